// `velarion /uninstall` with a window: the user is asked "Удалять Velarion из системы?"
// and on yes the installation goes (the user's own files too with --all); a box says
// when it is done or what failed.
#ifndef VELARION_APP_UI_DIALOGS_UNINSTALLQUESTION_H
#define VELARION_APP_UI_DIALOGS_UNINSTALLQUESTION_H

#include "InstallCommand.h"
#include "XdgPlaces.h"

#include <filesystem>

namespace velarion::ui {

// Exit status as RunInstallCommand's; 0 when the user says no.
int RunUninstallQuestion(const install::TInstallCommand& command,
                         const std::filesystem::path& programFolder,
                         const install::TEnvironment& environment);

}  // namespace velarion::ui

#endif
