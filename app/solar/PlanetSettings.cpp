#include "PlanetSettings.h"

#include "IniAccess.h"
#include "Numbers.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace velarion::solar {

namespace {

constexpr char kSection[] = "Planets";
constexpr char kNamesInLabels[] = "NamesInLabels";
constexpr char kSatZoom[] = "SatZoom";
constexpr char kShowJupSat[] = "ShowJupSat";
constexpr char kShowSatSat[] = "ShowSatSat";
constexpr char kShowUraSat[] = "ShowUraSat";

std::string Restore(const char* key, const char* defaultValue) {
  std::array<char, 64> text{};
  RestoreIniString(kSection, key, defaultValue, text.data(), static_cast<int32_t>(text.size()));
  return text.data();
}

// True unless the stored text is "0".
bool RestoreFlag(const char* key) { return Restore(key, "1") != "0"; }

void SaveFlag(const char* key, bool value) { SaveIniString(kSection, key, value ? "1" : "0"); }

}  // namespace

std::optional<int32_t> ParseZoomText(std::string_view text) {
  const std::optional<int64_t> n = velplatform::ParseInteger(text);
  if (!n || *n < std::numeric_limits<int32_t>::min() || *n > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(*n);
}

int32_t SatZoomFromSettings(std::string_view text) {
  const std::optional<int64_t> n = velplatform::ParseInteger(text);
  if (!n) return kDefaultSatZoom;
  return static_cast<int32_t>(std::clamp<int64_t>(*n, kMinSatZoom, kMaxSatZoom));
}

TPlanetSettings ReadPlanetSettings() {
  TPlanetSettings s;
  s.namesInLabels = RestoreFlag(kNamesInLabels);
  s.satZoom = SatZoomFromSettings(Restore(kSatZoom, "8000"));
  s.showJupiterSatellites = RestoreFlag(kShowJupSat);
  s.showSaturnSatellites = RestoreFlag(kShowSatSat);
  s.showUranusSatellites = RestoreFlag(kShowUraSat);
  return s;
}

void WritePlanetSettings(const TPlanetSettings& settings) {
  SaveFlag(kNamesInLabels, settings.namesInLabels);
  SaveIniString(kSection, kSatZoom, std::to_string(settings.satZoom).c_str());
  SaveFlag(kShowJupSat, settings.showJupiterSatellites);
  SaveFlag(kShowSatSat, settings.showSaturnSatellites);
  SaveFlag(kShowUraSat, settings.showUranusSatellites);
}

}  // namespace velarion::solar
