// What a program folder holds, by role: the files the program ships (replaced by every
// installation and removed by the removal) and the user's own files (kept).
#ifndef VELARION_APP_UI_INSTALL_PROGRAMFILES_H
#define VELARION_APP_UI_INSTALL_PROGRAMFILES_H

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

namespace velarion::install {

inline constexpr std::string_view kProgramName = "velarion";
inline constexpr std::string_view kCityList = "city.dat";
inline constexpr std::string_view kColourSchemes = "colors.dat";
inline constexpr std::string_view kSettings = "Velarion.ini";
inline constexpr std::array<std::string_view, 2> kSubfolders = {"Plugins", "VLSFiles"};

// Star files of earlier versions, deleted by an installation.
inline constexpr std::array<std::string_view, 2> kObsoleteFiles = {"starsa.dat", "starsb.dat"};

// Files the user changes, which an installation adds only when missing; the removal keeps
// them unless asked (the city list, colour schemes and settings are handled on their own).
inline constexpr std::array<std::string_view, 3> kUserDefaults = {"GroupOrder.def", "default.vls",
                                                                  "console.def"};

// The shipped files found in `sourceFolder`, relative to it, in copying order: the
// program, its libraries ("lib*.so*"), the data files (found without regard to case, kept
// in their spelling), the texts, and every file of "Plugins/" and "VLSFiles/".
struct TShippedFiles {
  std::vector<std::filesystem::path> files;
  std::vector<std::string_view> missing;  // required files the folder lacks
};
TShippedFiles ShippedFiles(const std::filesystem::path& sourceFolder);

}  // namespace velarion::install

#endif
