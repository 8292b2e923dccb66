// Atmospheric refraction.
//
// Saemundsson's formula (Sky and Telescope 72, 70, 1986) for the refraction of a body at
// true altitude h, R = 1.02 / tan(h + 10.3 / (h + 5.11)) arcminutes, with the offset of
// 0.0019279' that Meeus (Astronomical Algorithms, ch. 16) adds so that R = 0 at the
// zenith, scaled by (P / 1010) (283 / (273 + T)).
//
// The formula is meant for h >= -1 degree; below that it turns back and becomes singular
// at -5.11. Callers use true altitudes below the horizon when they look for the apparent
// horizon, so from -1 degree down the value fades on a cubic that matches the formula's
// value and slope at -1 and reaches 0 with zero slope at -5 degrees.
#include "velastro.h"

#include "Support.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFadeStartDeg = -1.0;
constexpr double kFadeEndDeg = -5.0;

// Mean refraction (1010 mbar, 10 degrees C) in arcminutes at true altitude h >= -1 deg.
double SaemundssonArcmin(double hDeg) {
  const double u = (hDeg + 10.3 / (hDeg + 5.11)) * velastro::kDegToRad;
  return 1.02 / std::tan(u) + 0.0019279;
}

// Its derivative with respect to h, arcminutes per degree.
double SaemundssonSlope(double hDeg) {
  const double u = (hDeg + 10.3 / (hDeg + 5.11)) * velastro::kDegToRad;
  const double duDh = 1.0 - 10.3 / ((hDeg + 5.11) * (hDeg + 5.11));
  const double s = std::sin(u);
  return -1.02 / (s * s) * velastro::kDegToRad * duDh;
}

double MeanRefractionArcmin(double hDeg) {
  if (hDeg >= kFadeStartDeg) {
    return SaemundssonArcmin(std::min(hDeg, 90.0));
  }
  if (hDeg <= kFadeEndDeg) {
    return 0.0;
  }
  // Cubic Hermite on [-5, -1]: value and slope 0 at -5, the formula's at -1.
  const double width = kFadeStartDeg - kFadeEndDeg;
  const double s = (hDeg - kFadeEndDeg) / width;
  const double s2 = s * s;
  const double s3 = s2 * s;
  return (3.0 * s2 - 2.0 * s3) * SaemundssonArcmin(kFadeStartDeg) +
         (s3 - s2) * width * SaemundssonSlope(kFadeStartDeg);
}

}  // namespace

extern "C" double refrac(double h, double pressureMbar, double temperatureC) {
  if (!std::isfinite(h)) {
    return 0.0;
  }
  const double p = std::clamp(pressureMbar, kVelastroMinPressureMbar, kVelastroMaxPressureMbar);
  const double t = std::clamp(temperatureC, kVelastroMinTemperatureC, kVelastroMaxTemperatureC);
  return MeanRefractionArcmin(h) / 60.0 * (p / 1010.0) * (283.0 / (273.0 + t));
}
