// `velarion /install` and `velarion /uninstall` without --quiet: the installer window or
// the removal question, shown instead of the main window.
#ifndef VELARION_APP_UI_WINDOW_INSTALLERSTART_H
#define VELARION_APP_UI_WINDOW_INSTALLERSTART_H

#include "InstallCommand.h"

namespace velarion::ui {

// Makes the widget application (named after argv[0]) and runs the command's window; its
// exit status.
int RunInstallerWindow(char** argv, const install::TInstallCommand& command);

}  // namespace velarion::ui

#endif
