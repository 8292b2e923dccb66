// The settings of the planets group, section "Planets" of the settings file.
#ifndef VELARION_APP_SOLAR_PLANETSETTINGS_H
#define VELARION_APP_SOLAR_PLANETSETTINGS_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace velarion::solar {

inline constexpr int32_t kDefaultSatZoom = 8000;
inline constexpr int32_t kMinSatZoom = 25;
inline constexpr int32_t kMaxSatZoom = 200000;

struct TPlanetSettings {
  bool namesInLabels = true;          // labels show names, else the planets' symbols
  int32_t satZoom = kDefaultSatZoom;  // percent from which satellites are drawn
  bool showJupiterSatellites = true;
  bool showSaturnSatellites = true;
  bool showUranusSatellites = true;
  bool operator==(const TPlanetSettings&) const = default;
};

// A whole number, none when the text is not one (or does not fit 32 bits).
std::optional<int32_t> ParseZoomText(std::string_view text);

// SatZoom as stored: not a number gives the default, the rest is clamped to its range.
int32_t SatZoomFromSettings(std::string_view text);

// Through RestoreIniString / SaveIniString.
TPlanetSettings ReadPlanetSettings();
void WritePlanetSettings(const TPlanetSettings& settings);

}  // namespace velarion::solar

#endif
