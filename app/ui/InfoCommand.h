// "--info NAME": the lines the information window shows (and copies) for the object the
// name finds, with the lines of its extra commands ("Восход/Заход" for the local day),
// printed as UTF-8 without a window. Nothing is written back to the settings.
#ifndef VELARION_APP_UI_INFOCOMMAND_H
#define VELARION_APP_UI_INFOCOMMAND_H

#include "ExportOptions.h"

#include <ostream>
#include <string>

namespace velarion::ui {

// The lines go to `out`, a message to `log`; the exit status of the run (2: no such object).
int RunObjectInfo(const TExportOptions& options, const std::string& programFolder,
                  std::ostream& out, std::ostream& log);

}  // namespace velarion::ui

#endif
