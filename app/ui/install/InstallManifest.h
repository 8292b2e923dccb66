// "installed.lst" in the install folder: the files an installation shipped, one path
// relative to the folder per line, so that the removal deletes exactly those and nothing
// the user put beside them.
#ifndef VELARION_APP_UI_INSTALL_INSTALLMANIFEST_H
#define VELARION_APP_UI_INSTALL_INSTALLMANIFEST_H

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::install {

inline constexpr std::string_view kManifestName = "installed.lst";

std::string ManifestText(std::span<const std::filesystem::path> shippedFiles);

// The listed files; lines that would lead out of the folder (absolute, "..") are dropped.
// None when the text lists no file.
std::optional<std::vector<std::filesystem::path>> ParseManifest(std::string_view text);

}  // namespace velarion::install

#endif
