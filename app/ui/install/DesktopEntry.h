// "velarion.desktop": the program's menu entry and the handler of its state files. Its
// "Path" key names the install folder, so that a later installation finds the earlier one.
#ifndef VELARION_APP_UI_INSTALL_DESKTOPENTRY_H
#define VELARION_APP_UI_INSTALL_DESKTOPENTRY_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velarion::install {

inline constexpr std::string_view kStateFileType = "application/x-velarion-state";

struct TDesktopEntryOptions {
  bool inMenu = true;           // else hidden from menus, still a handler of its files
  bool opensStateFiles = true;  // declares the state-file type
};

// UTF-8 text of the entry for the installed program.
std::string DesktopEntryText(const std::filesystem::path& program,
                             const std::filesystem::path& installFolder,
                             const TDesktopEntryOptions& options);

// The install folder an entry names; none when it names none.
std::optional<std::filesystem::path> InstallFolderOfEntry(std::string_view entryText);

// The program's path as one argument of an "Exec" key: quoted, with the characters the
// key reserves escaped.
std::string ExecArgument(std::string_view path);

}  // namespace velarion::install

#endif
