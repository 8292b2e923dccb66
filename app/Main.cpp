// The program's entry: the picture export when asked for, else the usage.
#include "ExportOptions.h"
#include "PictureExport.h"
#include "ProgramFolder.h"

#include <iostream>
#include <string_view>
#include <variant>
#include <vector>

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (!velarion::ui::AsksForExport(arguments)) {
    std::cerr << "usage: velarion --export FILE.png [--size WxH] "
                 "[--time \"YYYY-MM-DD HH:MM[:SS]\"] [--location LAT,LON[,ZONE]] "
                 "[--zoom PERCENT]\n";
    return velarion::ui::kExportFailed;
  }
  const auto parsed = velarion::ui::ParseExportOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&parsed)) {
    std::cerr << "velarion: " << *message << '\n';
    return velarion::ui::kExportFailed;
  }
  return velarion::ui::RunPictureExport(std::get<velarion::ui::TExportOptions>(parsed),
                                        velplatform::ProgramFolder(), std::cerr);
}
