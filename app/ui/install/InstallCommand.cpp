#include "InstallCommand.h"

#include "Cp1251.h"
#include "Installer.h"
#include "Uninstaller.h"

namespace velarion::install {

namespace {

namespace fs = std::filesystem;

int Finish(const TInstallReport& report, std::ostream& out, std::ostream& errors) {
  for (const std::string& line : report.done) out << line << '\n';
  if (report.failure) {
    errors << "velarion: " << velplatform::Cp1251ToUtf8(report.failure->title) << ": "
           << report.failure->detail << '\n';
    return kInstallFailed;
  }
  return 0;
}

}  // namespace

std::variant<TInstallCommand, std::string> ParseInstallCommand(
    std::span<const std::string_view> arguments, std::string_view currentFolder) {
  TInstallCommand command;
  command.uninstall = arguments.front() == "/uninstall";
  for (const std::string_view argument : arguments.subspan(1)) {
    if (argument == "--quiet") {
      command.quiet = true;
    } else if (argument == "--all" && command.uninstall) {
      command.alsoUserFiles = true;
    } else if (!argument.starts_with("-") && !command.uninstall && command.folder.empty()) {
      const fs::path folder(argument);
      command.folder =
          (folder.is_absolute() ? folder : fs::path(currentFolder) / folder).lexically_normal();
    } else {
      return std::string(arguments.front()) + ": unexpected " + std::string(argument);
    }
  }
  return command;
}

int RunInstallCommand(const TInstallCommand& command, const fs::path& programFolder,
                      const TEnvironment& environment, std::ostream& out, std::ostream& errors) {
  const auto places = XdgPlacesFrom(environment);
  if (!places) {
    errors << "velarion: neither XDG_DATA_HOME nor HOME names an absolute folder\n";
    return kInstallFailed;
  }
  if (command.uninstall) {
    const auto folder = InstalledFolder(programFolder, *places);
    if (!folder) {
      errors << "velarion: no installation to remove\n";
      return kInstallFailed;
    }
    return Finish(Uninstall(*folder, *places, command.alsoUserFiles), out, errors);
  }
  TInstallRequest request;
  request.sourceFolder = programFolder;
  request.installFolder = command.folder.empty() ? DefaultInstallFolder(*places) : command.folder;
  return Finish(Install(request, *places, {}), out, errors);
}

}  // namespace velarion::install
