// The options dialog of the planets group, "Параметры изображения планет и спутников".
#ifndef VELARION_APP_SOLAR_PLANETOPTIONSDIALOG_H
#define VELARION_APP_SOLAR_PLANETOPTIONSDIALOG_H

#include "Dialogs.h"
#include "PlanetSettings.h"

#include <cstdint>
#include <optional>

namespace velarion::solar {

namespace planet_options {
inline constexpr int32_t kLabelsFrame = 100, kSymbols = 101, kNames = 102;
inline constexpr int32_t kSatellitesFrame = 103, kJupiter = 104, kSaturn = 105, kUranus = 106;
inline constexpr int32_t kZoomLabel = 107, kZoomEdit = 108, kPercentLabel = 109;
inline constexpr int32_t kOk = 1, kCancel = 2;
}  // namespace planet_options

velplatform::TDialogLayout PlanetOptionsLayout();

// The settings as confirmed, none when cancelled. A zoom that is not a whole number is
// reported and keeps the dialog open; any other is clamped to 25 .. 200000.
std::optional<TPlanetSettings> EditPlanetSettings(velplatform::TWindowHandle owner,
                                                  const TPlanetSettings& current);

}  // namespace velarion::solar

#endif
