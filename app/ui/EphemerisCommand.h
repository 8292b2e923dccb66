// "--ephemeris NAME[,NAME…]": the ephemeris tables the window writes into its output
// console, printed as UTF-8 without a window (EphemerisOptions.h has the options). Nothing
// is written back to the settings.
#ifndef VELARION_APP_UI_EPHEMERISCOMMAND_H
#define VELARION_APP_UI_EPHEMERISCOMMAND_H

#include "ExportOptions.h"

#include <ostream>
#include <string>

namespace velarion::ui {

// The table goes to `out`, one line of message to `log`; the exit status of the run (2: an
// unknown name, a wrong period or too many rows).
int RunEphemeris(const TExportOptions& options, const std::string& programFolder, std::ostream& out,
                 std::ostream& log);

}  // namespace velarion::ui

#endif
