// The program's entry: the picture export when asked for, else the window.
#include "ExportOptions.h"
#include "MainUnit.h"
#include "PictureExport.h"
#include "ProgramFolder.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string_view>
#include <variant>
#include <vector>

namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

int Export(const std::vector<std::string_view>& arguments) {
  const auto parsed = velarion::ui::ParseExportOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&parsed)) {
    std::cerr << "velarion: " << *message << '\n';
    return velarion::ui::kExportFailed;
  }
  try {
    return velarion::ui::RunPictureExport(std::get<velarion::ui::TExportOptions>(parsed),
                                          velplatform::ProgramFolder(), std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "velarion: " << error.what() << '\n';
    return velarion::ui::kExportFailed;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (velarion::ui::AsksForExport(arguments)) return Export(arguments);
  if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM")) {
    std::cerr << "velarion: no display to open the window on; render a picture instead with\n"
                 "  velarion --export FILE.png [--size WxH] [--time \"YYYY-MM-DD HH:MM[:SS]\"] "
                 "[--location LAT,LON[,ZONE]] [--zoom PERCENT]\n";
    return velarion::ui::kExportFailed;
  }
  return velarion::ui::RunMainWindow(argc, argv);
}
