// "--phases": the main phases of the lunation of the view's moment in the local time of its
// zone, the text the phases window copies, printed as UTF-8 without a window. Nothing is
// written back to the settings.
#ifndef VELARION_APP_UI_PHASESCOMMAND_H
#define VELARION_APP_UI_PHASESCOMMAND_H

#include "ExportOptions.h"

#include <ostream>
#include <string>

namespace velarion::ui {

// The lines go to `out`, a message to `log`; the exit status of the run (2: no lunation
// found).
int RunPhases(const TExportOptions& options, const std::string& programFolder, std::ostream& out,
              std::ostream& log);

}  // namespace velarion::ui

#endif
