// Helpers shared by the sky tests: view setups, random directions and the textbook
// formulas of spherical astronomy that the projection is checked against.
#ifndef VELARION_TESTS_APP_SKY_SKYTESTSUPPORT_H
#define VELARION_TESTS_APP_SKY_SKYTESTSUPPORT_H

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include "Projection.h"

namespace velarion::sky::test {

inline constexpr double kPi = std::numbers::pi;
inline double Rad(double degrees) { return degrees * kPi / 180.0; }
inline double Deg(double radians) { return radians * 180.0 / kPi; }

inline TProjectionSetup View(int32_t radius, double latitudeDeg, double siderealHours) {
  TProjectionSetup setup;
  setup.centreX = 640;
  setup.centreY = 480;
  setup.radius = radius;
  setup.latitudeDeg = latitudeDeg;
  setup.siderealHours = siderealHours;
  setup.mjdUt = 51544.5;
  return setup;
}

struct THorizontal {
  double altitudeDeg;
  double azimuthDeg;  // from north through east
};

// Altitude and azimuth of an equatorial direction of date for latitude and sidereal time.
inline THorizontal HorizontalOf(double raDeg, double decDeg, double latitudeDeg,
                                double siderealHours) {
  const double hourAngle = Rad(15.0 * siderealHours - raDeg);
  const double dec = Rad(decDeg);
  const double lat = Rad(latitudeDeg);
  const double sinAlt =
      std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(hourAngle);
  const double north =
      std::cos(lat) * std::sin(dec) - std::sin(lat) * std::cos(dec) * std::cos(hourAngle);
  const double east = -std::cos(dec) * std::sin(hourAngle);
  return {Deg(std::asin(sinAlt)), Deg(std::atan2(east, north))};
}

struct TPointD {
  double x;
  double y;
};

// Where a direction at (apparent) altitude and azimuth belongs on an unrotated, unmirrored
// map: north up, south below the zenith, east to the left and west to the right; distance
// R cos h (orthographic) or R tan((90 - h) / 2) (stereographic) from the centre.
inline TPointD ExpectedPixel(const THorizontal& h, const TProjectionSetup& setup) {
  const double distance = setup.stereographic
                              ? setup.radius * std::tan(Rad((90.0 - h.altitudeDeg) / 2.0))
                              : setup.radius * std::cos(Rad(h.altitudeDeg));
  const double az = Rad(h.azimuthDeg);
  return {setup.centreX - distance * std::sin(az),
          setup.centreY - setup.yScale * distance * std::cos(az)};
}

// Angle between two directions, in arcseconds.
inline double SeparationArcsec(double ra1, double dec1, double ra2, double dec2) {
  const double a = std::sin(Rad(dec1)) * std::sin(Rad(dec2)) +
                   std::cos(Rad(dec1)) * std::cos(Rad(dec2)) * std::cos(Rad(ra1 - ra2));
  const double b =
      std::hypot(std::cos(Rad(dec2)) * std::sin(Rad(ra1 - ra2)),
                 std::cos(Rad(dec1)) * std::sin(Rad(dec2)) -
                     std::sin(Rad(dec1)) * std::cos(Rad(dec2)) * std::cos(Rad(ra1 - ra2)));
  return Deg(std::atan2(b, a)) * 3600.0;
}

// Directions spread evenly over the sphere, reproducibly.
inline std::vector<TRaDec> RandomDirections(std::size_t count, uint32_t seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<double> ra(0.0, 360.0);
  std::uniform_real_distribution<double> sinDec(-1.0, 1.0);
  std::vector<TRaDec> directions;
  directions.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    directions.push_back({ra(generator), Deg(std::asin(sinDec(generator)))});
  }
  return directions;
}

inline double Distance(const TPixel& p, double x, double y) { return std::hypot(p.x - x, p.y - y); }

}  // namespace velarion::sky::test

#endif
