// Topocentric places of the Moon against Skyfield with DE405 and the WGS 84 ellipsoid
// (tests/fixtures/oracles/topocentric.csv).
#include "velastro.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

TEST(Parallax, MoonAgreesWithSkyfieldWithinAnArcsecond) {
  const veltest::TOracleTable oracle("topocentric.csv");
  ASSERT_GT(oracle.Size(), 20u);
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    double ra = 0.0, dec = 0.0;
    const double altitude = Parallax(oracle.Number(i, "lst_hours"), oracle.Number(i, "ra_deg"),
                                     oracle.Number(i, "dec_deg"), oracle.Number(i, "distance_km"),
                                     oracle.Number(i, "latitude_deg"), &ra, &dec);
    const double expectedDec = oracle.Number(i, "dec_topo_deg");
    SCOPED_TRACE(i);
    EXPECT_LT(std::fabs(veltest::AngleDifference(ra, oracle.Number(i, "ra_topo_deg"))) *
                  std::cos(expectedDec * kDegToRad) * 3600.0,
              1.0);
    EXPECT_LT(std::fabs(dec - expectedDec) * 3600.0, 1.0);
    EXPECT_LT(std::fabs(altitude - oracle.Number(i, "altitude_deg")) * 3600.0, 1.0);
  }
}

TEST(Parallax, BodyWithoutDistanceKeepsItsPlace) {
  for (double distance : {0.0, -5.0, std::nan(""), 1000.0}) {
    double ra = -1.0, dec = -1.0;
    const double altitude = Parallax(6.0, 90.0, 30.0, distance, 30.0, &ra, &dec);
    EXPECT_EQ(ra, 90.0);
    EXPECT_EQ(dec, 30.0);
    EXPECT_NEAR(altitude, 90.0, 1e-9);  // on the meridian at the observer's latitude
  }
}

}  // namespace
