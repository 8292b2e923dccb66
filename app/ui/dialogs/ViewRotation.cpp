#include "ViewRotation.h"

#include <cmath>

namespace velarion::ui {

namespace {

int32_t Reduce(int64_t degrees) { return static_cast<int32_t>(((degrees % 360) + 360) % 360); }

}  // namespace

int32_t ShownRotation(double azimuthRotationDeg, bool azimuthFromSouth, bool mirror) {
  int64_t a = std::llround(azimuthRotationDeg);
  if (!azimuthFromSouth) a -= 180;
  return Reduce(mirror ? a - 360 : 360 - a);
}

double AzimuthRotation(int32_t shownDeg, bool azimuthFromSouth, bool mirror) {
  const int64_t n =
      Reduce((mirror ? -int64_t{shownDeg} : int64_t{shownDeg}) + (azimuthFromSouth ? 0 : 180));
  return static_cast<double>(Reduce(-n));
}

int32_t CompassValue(TCompassPoint point, bool azimuthFromSouth) {
  const int32_t value = 90 * static_cast<int32_t>(point);
  return azimuthFromSouth ? (value + 180) % 360 : value;
}

}  // namespace velarion::ui
