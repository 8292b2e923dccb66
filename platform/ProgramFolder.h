// Where the program, its data files and its settings live.
#ifndef VELARION_PLATFORM_PROGRAM_FOLDER_H
#define VELARION_PLATFORM_PROGRAM_FOLDER_H

#include <optional>
#include <string>
#include <string_view>

namespace velplatform {

// The folder of the running executable, ending with "/".
std::string ProgramFolder();

// The folder for settings and user files: `programFolder` when it is writable, else
// $XDG_CONFIG_HOME/velarion/ (~/.config/velarion/ without it), created when missing.
// Ends with "/".
std::string SettingsFolder(const std::string& programFolder);
// The same with the writability of the program folder given.
std::string SettingsFolder(const std::string& programFolder, bool programFolderWritable);

// The path of a file in a folder whose name equals `name` without regard to case (data
// files keep the spelling of the old platform, "Bounds.dat", "CONSTELL.DAT"); none when
// the folder has no such file.
std::optional<std::string> FindFileIgnoringCase(const std::string& folder, std::string_view name);

}  // namespace velplatform

#endif
