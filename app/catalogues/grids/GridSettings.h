// The grid settings as the sky image serves them (GetAdditionalParam, kind 0), read at
// every calculation so that a change in the grid dialog shows at the next redraw.
#ifndef VELARION_APP_CATALOGUES_GRIDS_GRIDSETTINGS_H
#define VELARION_APP_CATALOGUES_GRIDS_GRIDSETTINGS_H

#include <array>
#include <cstdint>

namespace velarion::catalogues {

// Line kinds, in the order of the settings' switches and steps.
enum TGridLineKind : std::size_t {
  kAzimuthLines = 0,       // step in arc-minutes
  kAltitudeCircles = 1,    // arc-minutes
  kHourCircles = 2,        // seconds of time
  kDeclinationCircles = 3  // arc-minutes
};

struct TGridParams {
  std::array<bool, 4> lineVisible{};
  std::array<int32_t, 4> lineStep{600, 600, 3600, 600};
  bool azimuthAuto = true;
  bool equatorialAuto = true;
  bool horizontalGrid = true;
  bool equatorialGrid = true;
};

// The settings from the host; the configuration's defaults when it has none to give.
TGridParams ReadGridParams();

}  // namespace velarion::catalogues

#endif
