// What a start of the program does, decided from its command line alone, before any window
// or running copy is involved:
//   velarion                   the window
//   velarion STATE-FILE        the window, loading the state file (or handing it to the
//                              copy already running from the same folder on the same display)
//   velarion --export FILE …   a picture, no window (ExportOptions.h), a state file among
//                              the arguments included
//   velarion --info NAME …     a report printed on standard output, no window
//   velarion --ephemeris …     (ExportOptions.h)
//   velarion --phases …
//   velarion --eclipse …
//   velarion /install …        installing or removing the program (InstallCommand.h)
//   velarion /uninstall …
// Anything else is refused with one line of message, so that a mistyped option never ends
// up as a file name handed to a running window.
#ifndef VELARION_APP_UI_STARTARGUMENTS_H
#define VELARION_APP_UI_STARTARGUMENTS_H

#include "ExportOptions.h"
#include "InstallCommand.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace velarion::ui {

// The exit status of a refused start.
inline constexpr int kStartRefused = 2;

struct TWindowStart {
  std::string stateFile;  // absolute; empty: none
};

struct TStartRefusal {
  std::string message;  // one line, without the program's name
};

using TStartDecision =
    std::variant<TExportOptions, TWindowStart, TStartRefusal, install::TInstallCommand>;

// `arguments` without the program's own name; a relative state-file name is taken from
// `currentFolder`.
TStartDecision DecideStart(std::span<const std::string_view> arguments,
                           std::string_view currentFolder);

// The folder the program was started in; empty when it is gone.
std::string CurrentFolder();

// A state-file argument as the running copy must get it: surrounding quotes removed, made
// absolute against the starting copy's current folder (which the running copy does not
// share). An empty argument stays empty.
std::string AbsoluteStateFileName(std::string_view argument, std::string_view currentFolder);

}  // namespace velarion::ui

#endif
