#include "Atmosphere.h"

#include <algorithm>
#include <cmath>

namespace velarion::ui {

double MillimetresToShownMillibar(double mmHg) { return std::round(mmHg * kMbarPerMmHg); }

double MillibarToShownMillimetres(double mbar) { return std::round(mbar * kMmHgPerMbar); }

double StoredPressureMbar(double shown, bool inMillimetres) {
  const double mbar = inMillimetres ? shown * kMbarPerMmHg : shown;
  return std::round(std::clamp(mbar, kMinPressureMbar, kMaxPressureMbar));
}

double StoredTemperatureC(double shown) {
  return std::round(std::clamp(shown, kMinTemperatureC, kMaxTemperatureC));
}

}  // namespace velarion::ui
