// The installer from the command line:
//   velarion /install [--quiet] [FOLDER]    install into FOLDER (default: the earlier
//                                           installation, else $XDG_DATA_HOME/velarion)
//   velarion /uninstall [--quiet] [--all]   remove the installation; --all removes the
//                                           user's settings, city list, colour schemes and
//                                           state files too
// Without --quiet the installer window (FOLDER preset) or the removal question shows; with
// it, for scripts and packagers, what was done goes to standard output, one line each.
// Exit status 0 when done, 1 when the work failed (nothing is left half done), 2 for a
// command line refused.
#ifndef VELARION_APP_UI_INSTALL_INSTALLCOMMAND_H
#define VELARION_APP_UI_INSTALL_INSTALLCOMMAND_H

#include "XdgPlaces.h"

#include <filesystem>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace velarion::install {

inline constexpr int kInstallFailed = 1;

struct TInstallCommand {
  bool uninstall = false;
  bool quiet = false;
  bool alsoUserFiles = false;
  std::filesystem::path folder;  // absolute; empty: the default
};

// `arguments` starting with "/install" or "/uninstall"; a refusal is one line of text.
std::variant<TInstallCommand, std::string> ParseInstallCommand(
    std::span<const std::string_view> arguments, std::string_view currentFolder);

// Runs a quiet command; `programFolder` is the folder the running program lives in.
int RunInstallCommand(const TInstallCommand& command, const std::filesystem::path& programFolder,
                      const TEnvironment& environment, std::ostream& out, std::ostream& errors);

}  // namespace velarion::install

#endif
