// The output console as the windows that report into it see it: lines appended at its end.
// The main window connects its console while it runs; before and after, lines go nowhere.
#ifndef VELARION_APP_GROUPSERVICES_OUTPUTCONSOLE_H
#define VELARION_APP_GROUPSERVICES_OUTPUTCONSOLE_H

#include <functional>
#include <string_view>

namespace velarion::solar {

// Appends the lines (CP1251, each ended by CR LF) to the console.
void WriteToOutputConsole(std::string_view lines);

using TOutputConsole = std::function<void(std::string_view lines)>;
void SetOutputConsole(TOutputConsole console);

}  // namespace velarion::solar

#endif
