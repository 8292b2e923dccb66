// The installer's failures as the window shows them: its message, then what failed.
#ifndef VELARION_APP_UI_DIALOGS_INSTALLFAILUREBOX_H
#define VELARION_APP_UI_DIALOGS_INSTALLFAILUREBOX_H

#include "Installer.h"

namespace velarion::ui {

void ShowInstallFailure(const install::TInstallFailure& failure);

// The failure of finding no user data folder, for the window (see XdgPlacesFrom).
install::TInstallFailure NoDataFolderFailure();

}  // namespace velarion::ui

#endif
