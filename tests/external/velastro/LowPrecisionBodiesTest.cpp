// The low-precision planets and Moon against JPL DE405 (tests/fixtures/oracles): good to
// about an arcminute, velocities to a part in a thousand.
#include "velastro.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using veltest::AngleDifference;
using veltest::TOracleTable;

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
constexpr double kArcminute = 60.0;

TEST(LowPrecisionBodies, PlanetsWithinAnArcminuteOfDe405) {
  const TOracleTable oracle("de405_heliocentric.csv");
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    const int body = static_cast<int>(oracle.Number(i, "body"));
    if (body > 9) {
      continue;  // Pluto has no low-precision theory
    }
    double x, y, z, vx, vy, vz;
    Planet(oracle.Number(i, "t_tdb"), body - 1, &x, &y, &z, &vx, &vy, &vz);
    double r, lat, lon;
    Polar(x, y, z, &r, &lat, &lon);
    SCOPED_TRACE("body " + std::to_string(body) + " row " + std::to_string(i));
    const double expectedLat = oracle.Number(i, "lat_deg");
    EXPECT_LT(std::fabs(AngleDifference(lon, oracle.Number(i, "lon_deg"))) *
                  std::cos(expectedLat * kDegToRad) * 3600.0,
              kArcminute);
    EXPECT_LT(std::fabs(lat - expectedLat) * 3600.0, kArcminute);
    EXPECT_LT(std::fabs(r / oracle.Number(i, "r_au") - 1.0), 3e-4);
    const double ex = oracle.Number(i, "vx"), ey = oracle.Number(i, "vy"),
                 ez = oracle.Number(i, "vz");
    const double speed = std::sqrt(ex * ex + ey * ey + ez * ez);
    EXPECT_LT(std::sqrt((vx - ex) * (vx - ex) + (vy - ey) * (vy - ey) + (vz - ez) * (vz - ez)),
              1e-3 * speed);
  }
}

TEST(LowPrecisionBodies, MoonWithinAnArcminuteOfDe405) {
  const TOracleTable oracle("de405_moon.csv");
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    double lon, lat, distance;
    moon(oracle.Number(i, "t_tdb"), &lon, &lat, &distance);
    EXPECT_LT(std::fabs(AngleDifference(lon, oracle.Number(i, "lon_deg"))) * 3600.0, kArcminute)
        << i;
    EXPECT_LT(std::fabs(lat - oracle.Number(i, "lat_deg")) * 3600.0, kArcminute) << i;
    EXPECT_LT(std::fabs(distance * 6378.137 - oracle.Number(i, "r_km")), 100.0) << i;
  }
}

TEST(LowPrecisionBodies, UnknownPlanetGivesZeros) {
  for (int32_t n : {0, 9, -1}) {
    double v[6] = {1, 1, 1, 1, 1, 1};
    Planet(0.0, n, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]);
    for (double c : v) {
      EXPECT_EQ(c, 0.0) << n;
    }
  }
}

}  // namespace
