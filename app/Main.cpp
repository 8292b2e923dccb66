// The program's entry: the picture export, a printed report or the installer (its window
// or, quiet, its report) when asked for, else the window; a command line it does not
// understand is refused before either.
#include "EclipseCommand.h"
#include "EphemerisCommand.h"
#include "InfoCommand.h"
#include "InstallCommand.h"
#include "InstallerStart.h"
#include "MainUnit.h"
#include "PhasesCommand.h"
#include "PictureExport.h"
#include "ProgramFolder.h"
#include "StartArguments.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <variant>
#include <vector>

namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

bool HasDisplay() {
  return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

int Install(const velarion::install::TInstallCommand& command, char** argv) {
  if (!command.quiet) {
    if (HasDisplay()) return velarion::ui::RunInstallerWindow(argv, command);
    std::cerr << "velarion: no display to open the installer on; add --quiet to work without\n";
    return velarion::ui::kStartRefused;
  }
  const std::filesystem::path programFolder(velplatform::ProgramFolder());
  return velarion::install::RunInstallCommand(command, programFolder.parent_path(),
                                              velarion::install::ProcessEnvironment(), std::cout,
                                              std::cerr);
}

int Export(const velarion::ui::TExportOptions& options) {
  try {
    if (options.ephemeris) {
      return velarion::ui::RunEphemeris(options, velplatform::ProgramFolder(), std::cout,
                                        std::cerr);
    }
    if (options.lunarReport == velarion::ui::TLunarReport::kPhases) {
      return velarion::ui::RunPhases(options, velplatform::ProgramFolder(), std::cout, std::cerr);
    }
    if (options.lunarReport == velarion::ui::TLunarReport::kEclipses) {
      return velarion::ui::RunEclipse(options, velplatform::ProgramFolder(), std::cout, std::cerr);
    }
    if (!options.infoName.empty()) {
      return velarion::ui::RunObjectInfo(options, velplatform::ProgramFolder(), std::cout,
                                         std::cerr);
    }
    return velarion::ui::RunPictureExport(options, velplatform::ProgramFolder(), std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "velarion: " << error.what() << '\n';
    return velarion::ui::kExportFailed;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const velarion::ui::TStartDecision start =
      velarion::ui::DecideStart(arguments, velarion::ui::CurrentFolder());
  if (const auto* refusal = std::get_if<velarion::ui::TStartRefusal>(&start)) {
    std::cerr << "velarion: " << refusal->message << '\n';
    return velarion::ui::kStartRefused;
  }
  if (const auto* options = std::get_if<velarion::ui::TExportOptions>(&start)) {
    return Export(*options);
  }
  if (const auto* command = std::get_if<velarion::install::TInstallCommand>(&start)) {
    return Install(*command, argv);
  }
  if (!HasDisplay()) {
    std::cerr << "velarion: no display to open the window on; render a picture instead with\n"
                 "  velarion --export FILE.png [--size WxH] [--time \"YYYY-MM-DD HH:MM[:SS]\"] "
                 "[--location LAT,LON[,ZONE]] [--zoom PERCENT]\n";
    return velarion::ui::kStartRefused;
  }
  return velarion::ui::RunMainWindow(argc, argv);
}
