// "--eclipse": the lunar eclipse nearest the view's moment, and with --next the ones that
// follow it, each as the eclipse window copies it (contacts in the local time of the view's
// zone, what is seen from its place), printed as UTF-8 without a window and separated by an
// empty line. Nothing is written back to the settings.
#ifndef VELARION_APP_UI_ECLIPSECOMMAND_H
#define VELARION_APP_UI_ECLIPSECOMMAND_H

#include "ExportOptions.h"

#include <ostream>
#include <string>

namespace velarion::ui {

// The reports go to `out`, a message to `log`; the exit status of the run (2: an eclipse
// asked for was not found, after the reports of those that were).
int RunEclipse(const TExportOptions& options, const std::string& programFolder, std::ostream& out,
               std::ostream& log);

}  // namespace velarion::ui

#endif
