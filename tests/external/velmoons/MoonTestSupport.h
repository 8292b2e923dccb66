// Shared helpers of the satellites library's tests: a satellite's offset from its planet on
// the sky, in planet radii, as the oracle tables give it.
#ifndef VELMOONS_TESTS_MOON_TEST_SUPPORT_H
#define VELMOONS_TESTS_MOON_TEST_SUPPORT_H

#include "MoonFrame.h"
#include "velastro.h"
#include "velmoons.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace veltest {

inline constexpr double kKmPerAu = 149597870.0;
inline constexpr double kDegToRad = M_PI / 180.0;

// Equatorial radii the oracles count in, km.
inline constexpr double kJupiterRadiusKm = 71492.0;
inline constexpr double kSaturnRadiusKm = 60268.0;
inline constexpr double kUranusRadiusKm = 25559.0;

using TSatelliteExport = void (*)(double, int32_t, double*, double*, double*, double*);

struct TPlanetCase {
  std::string code;  // as in the oracle tables
  velmoons::TPlanet planet;
  TSatelliteExport calc;
  double radiusKm;
};

inline const TPlanetCase& PlanetCase(const std::string& code) {
  static const TPlanetCase kCases[] = {
      {"jup", velmoons::TPlanet::Jupiter, CalcJupSat, kJupiterRadiusKm},
      {"sat", velmoons::TPlanet::Saturn, CalcSatSat, kSaturnRadiusKm},
      {"ura", velmoons::TPlanet::Uranus, CalcUraSat, kUranusRadiusKm},
  };
  for (const TPlanetCase& c : kCases) {
    if (c.code == code) {
      return c;
    }
  }
  throw std::out_of_range("no planet " + code);
}

struct TSkyOffset {
  double east;
  double north;
};

inline double PlanetDistanceAu(const TPlanetCase& c, double t) {
  return velmoons::Length(velmoons::ParentPlanetPosition(c.planet, t).geocentric);
}

// Offset of the satellite from the planet's centre on the sky (gnomonic projection
// centred on the planet), scaled by the planet's distance into planet radii.
inline TSkyOffset SatelliteOffsetRadii(const TPlanetCase& c, double t, int satellite) {
  double ra = 0.0, dec = 0.0, distance = 0.0, magnitude = 0.0;
  c.calc(t, satellite, &ra, &dec, &distance, &magnitude);
  const velmoons::TVec3 g = velmoons::ParentPlanetPosition(c.planet, t).geocentric;
  double delta = 0.0, decP = 0.0, raP = 0.0;
  Polar(g.x, g.y, g.z, &delta, &decP, &raP);
  const double da = (ra - raP) * kDegToRad, ds = dec * kDegToRad, dp = decP * kDegToRad;
  const double cosC = std::sin(dp) * std::sin(ds) + std::cos(dp) * std::cos(ds) * std::cos(da);
  const double east = std::cos(ds) * std::sin(da) / cosC;
  const double north =
      (std::cos(dp) * std::sin(ds) - std::sin(dp) * std::cos(ds) * std::cos(da)) / cosC;
  const double scale = delta * kKmPerAu / c.radiusKm;
  return {east * scale, north * scale};
}

// a - b in arcseconds, for angles in degrees, through the shorter way round.
inline double AngleDiffArcsec(double a, double b) { return std::remainder(a - b, 360.0) * 3600.0; }

inline double TFromJd(double jd) { return (jd - 2451545.0) / 36525.0; }

}  // namespace veltest

#endif
