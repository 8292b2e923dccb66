#include "OrbitalMagnitude.h"

#include <algorithm>
#include <cmath>

namespace velarion::orbits {
namespace {

constexpr double kZeroPhaseAngle = 1e-9;  // radians: keeps tan(β/2)^0.63 defined

}  // namespace

std::optional<double> AsteroidMagnitude(double absoluteMagnitude, double slope,
                                        const TBodyDistances& distances) {
  const double r = distances.sunAu;
  const double delta = distances.earthAu;
  if (!(r > 0.0) || !(delta > 0.0)) return std::nullopt;
  const double R = distances.earthSunAu;
  const double cosPhase =
      std::clamp((r * r + delta * delta - R * R) / (2.0 * r * delta), -1.0, 1.0);
  double phase = std::acos(cosPhase);
  if (phase == 0.0) phase = kZeroPhaseAngle;
  const double halfTan = std::tan(0.5 * phase);
  const double phi1 = std::exp(-3.33 * std::pow(halfTan, 0.63));
  const double phi2 = std::exp(-1.87 * std::pow(halfTan, 1.22));
  const double phaseFunction = (1.0 - slope) * phi1 + slope * phi2;
  if (!(phaseFunction > 0.0)) return std::nullopt;
  return absoluteMagnitude + 5.0 * std::log10(r * delta) - 2.5 * std::log10(phaseFunction);
}

std::optional<double> CometMagnitude(double absoluteMagnitude, double activity,
                                     const TBodyDistances& distances) {
  if (!(distances.sunAu > 0.0) || !(distances.earthAu > 0.0)) return std::nullopt;
  return absoluteMagnitude + 5.0 * std::log10(distances.earthAu) +
         2.5 * activity * std::log10(distances.sunAu);
}

}  // namespace velarion::orbits
