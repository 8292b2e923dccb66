// "uninstall.sh" in the install folder: removes the installation without the program,
// for a user whose copy no longer starts. It removes what the installer made and keeps the
// user's own files, as "velarion /uninstall" does.
#ifndef VELARION_APP_UI_INSTALL_UNINSTALLSCRIPT_H
#define VELARION_APP_UI_INSTALL_UNINSTALLSCRIPT_H

#include "XdgPlaces.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace velarion::install {

inline constexpr std::string_view kUninstallScriptName = "uninstall.sh";

// One shell word, whatever the path holds.
std::string ShellQuoted(std::string_view text);

// `shippedFiles` relative to `installFolder`.
std::string UninstallScriptText(const std::filesystem::path& installFolder,
                                std::span<const std::filesystem::path> shippedFiles,
                                const TXdgPlaces& places);

}  // namespace velarion::install

#endif
