// Removing an installation: the registrations and the files it shipped go, the user's own
// files (settings, city list, colour schemes, state files) stay unless asked for too. The
// folder goes when nothing is left in it.
#ifndef VELARION_APP_UI_INSTALL_UNINSTALLER_H
#define VELARION_APP_UI_INSTALL_UNINSTALLER_H

#include "Installer.h"
#include "XdgPlaces.h"

#include <filesystem>

namespace velarion::install {

// The installation to remove: `programFolder` when an installation lives there, else the
// one the desktop registration names; none when neither holds one.
std::optional<std::filesystem::path> InstalledFolder(const std::filesystem::path& programFolder,
                                                     const TXdgPlaces& places);

TInstallReport Uninstall(const std::filesystem::path& installFolder, const TXdgPlaces& places,
                         bool alsoUserFiles);

}  // namespace velarion::install

#endif
