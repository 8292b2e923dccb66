#include "EarthShadow.h"

#include "AngleUtils.h"
#include "Units.h"

#include <algorithm>
#include <cmath>

namespace velarion::lunar {

namespace {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;

constexpr double kParallaxFactor = 0.99832;
constexpr double kAtmosphereEnlargement = 1.02;

double Radians(double deg) { return deg * kDegToRad; }

}  // namespace

double ShadowSeparationDeg(const TSunMoonPlace& p) {
  const double ds = Radians(p.sunDecDeg), dm = Radians(p.moonDecDeg);
  const double cosJ = -std::sin(ds) * std::sin(dm) -
                      std::cos(ds) * std::cos(dm) * std::cos(Radians(p.moonRaDeg - p.sunRaDeg));
  return std::acos(std::clamp(cosJ, -1.0, 1.0)) * kRadToDeg;
}

TEarthShadow EarthShadowAt(const TSunMoonPlace& p) {
  const double sunRadius =
      std::atan(velcommon::kSolarRadiusAu * velcommon::kEarthRadiiPerAu / p.sunDistance);
  const double sunParallax = std::asin(1.0 / p.sunDistance);
  const double moonParallax = std::asin(1.0 / p.moonDistance);
  const double moonRadius = std::atan(velcommon::kMoonRadiusEarthRadii / p.moonDistance);
  const double base = kParallaxFactor * moonParallax + sunParallax;
  return {ShadowSeparationDeg(p), (base + sunRadius) * kAtmosphereEnlargement * kRadToDeg,
          (base - sunRadius) * kAtmosphereEnlargement * kRadToDeg, moonRadius * kRadToDeg};
}

double ShadowPositionAngleDeg(const TSunMoonPlace& p) {
  const double ds = Radians(p.sunDecDeg), dm = Radians(p.moonDecDeg);
  const double dRa = Radians(p.moonRaDeg - p.sunRaDeg - 180.0);
  const double angle = 360.0 - std::atan2(std::cos(ds) * std::sin(dRa),
                                          -std::sin(ds) * std::cos(dm) -
                                              std::cos(ds) * std::sin(dm) * std::cos(dRa)) *
                                   kRadToDeg;
  return sky::Reduce360(angle);
}

}  // namespace velarion::lunar
