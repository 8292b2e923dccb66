#include "ColorSchemes.h"

#include "MapFile.h"
#include "Numbers.h"

#include <cctype>
#include <cstdio>

namespace velarion::sky {

namespace {

constexpr char kScreenMarker[] = "SCRSCHEME:";
constexpr char kPrinterMarker[] = "PRNSCHEME:";
constexpr int kMarkerLength = 10;
constexpr char kFileName[] = "colors.dat";

constexpr std::array<uint32_t, kit::kColourTableEntries> kScreenDefaults = {
    Rgb(0, 0, 0),       Rgb(0, 0, 160),   Rgb(255, 0, 0),   Rgb(128, 128, 128), Rgb(255, 255, 0),
    Rgb(255, 255, 255), Rgb(0, 255, 255), Rgb(0, 128, 128), Rgb(0, 255, 0),     Rgb(0, 128, 0),
    Rgb(128, 128, 128), Rgb(255, 255, 0), Rgb(0, 0, 128),   Rgb(0, 0, 64)};

constexpr std::array<uint32_t, kit::kColourTableEntries> kPrinterDefaults = {
    Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),      Rgb(0, 0, 0),
    Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),      Rgb(0, 0, 0),
    Rgb(192, 192, 192), Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(255, 255, 255)};

bool NextIsDigit(const velplatform::TMapFile& file) {
  const unsigned char* next = file.PeekByte();
  return next != nullptr && std::isdigit(*next) != 0;
}

// Reads the colour lines of one scheme; false when the file ended or failed inside it.
bool ReadColors(velplatform::TMapFile& file, TColorScheme& scheme) {
  int slot = 0;
  for (; slot < kit::kColourTableEntries && !file.AtEnd() && NextIsDigit(file); ++slot) {
    const auto value = velplatform::ParseInteger(file.ReadLine());
    scheme.SetColor(slot, value ? static_cast<uint32_t>(*value) : 0);
  }
  const bool ended = slot < kit::kColourTableEntries && file.AtEnd();
  return !ended && (file.ErrorFlags() & velplatform::TMapFile::kErrorReadPastEnd) == 0;
}

void AddDefaultWhenEmpty(TColorSchemeList& list, bool printer, bool& changed) {
  if (list.empty()) {
    list.push_back(std::make_shared<TColorScheme>("default", printer));
    changed = true;
  }
}

}  // namespace

TColorScheme::TColorScheme(std::string name, bool printer)
    : name_(std::move(name)), colors_(DefaultColors(printer)), printer_(printer) {}

const std::array<uint32_t, kit::kColourTableEntries>& TColorScheme::DefaultColors(bool printer) {
  return printer ? kPrinterDefaults : kScreenDefaults;
}

uint32_t TColorScheme::Color(int slot) const {
  return (slot >= 0 && slot < kit::kColourTableEntries) ? colors_[slot] : 0;
}

void TColorScheme::SetColor(int slot, uint32_t color) {
  if (slot >= 0 && slot < kit::kColourTableEntries) colors_[slot] = color;
}

void TColorSchemes::Load(const std::string& programFolder) {
  screen.clear();
  printer.clear();
  changed = false;
  velplatform::TMapFile file(programFolder + kFileName, 0);
  if (file.OpenState() == velplatform::TMapFile::kReady) {
    while (!file.AtEnd()) {
      const std::string marker = file.ReadText(kMarkerLength);
      if (marker.size() != kMarkerLength) break;  // fewer than 10 bytes left
      const bool isScreen = marker == kScreenMarker;
      if (!isScreen && marker != kPrinterMarker) continue;
      auto scheme = std::make_shared<TColorScheme>(file.ReadLine(), !isScreen);
      if (ReadColors(file, *scheme)) (isScreen ? screen : printer).push_back(std::move(scheme));
    }
  }
  AddDefaultWhenEmpty(screen, false, changed);
  AddDefaultWhenEmpty(printer, true, changed);
}

bool TColorSchemes::Save(const std::string& programFolder) const {
  const std::string path = programFolder + kFileName;
  const std::string temporary = path + ".~new";
  bool complete = false;
  {
    velplatform::TMapFile file(
        temporary, velplatform::TMapFile::kModeWrite | velplatform::TMapFile::kModeCreate);
    if (file.OpenState() == velplatform::TMapFile::kReady) {
      for (const TColorSchemeList* list : {&screen, &printer}) {
        for (const TColorSchemePtr& scheme : *list) {
          file.WriteLine((list == &screen ? kScreenMarker : kPrinterMarker) + scheme->Name());
          for (uint32_t color : scheme->Colors()) file.WriteLine(std::to_string(color));
        }
      }
      complete = file.Flush();
    }
  }
  // The old file is replaced only by a complete new one.
  if (!complete || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

TColorSchemePtr TColorSchemes::Select(const TColorSchemeList& list, int position) {
  if (list.empty()) return nullptr;
  return (position >= 0 && position < static_cast<int>(list.size())) ? list[position] : list[0];
}

}  // namespace velarion::sky
