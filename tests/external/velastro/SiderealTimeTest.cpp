// Sidereal time against Skyfield's IERS 2010 Greenwich mean sidereal time
// (tests/fixtures/oracles/sidereal.csv).
#include "velastro.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double HoursDifference(double a, double b) { return std::remainder(a - b, 24.0); }

TEST(SiderealTime, GreenwichAgreesWithin10Milliseconds) {
  const veltest::TOracleTable oracle("sidereal.csv");
  ASSERT_GT(oracle.Size(), 20u);
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    const double mjd = oracle.Number(i, "mjd_ut1");
    EXPECT_LT(std::fabs(HoursDifference(LMST(mjd, 0.0), oracle.Number(i, "gmst_hours"))) * 3600.0,
              0.01)
        << mjd;
  }
}

TEST(SiderealTime, WestLongitudeIsSubtractedAndResultStaysInADay) {
  const double mjd = 60654.25;
  const double greenwich = LMST(mjd, 0.0);
  for (double west : {-179.0, -37.6, 0.0, 74.0, 180.0}) {
    const double local = LMST(mjd, west);
    EXPECT_GE(local, 0.0);
    EXPECT_LT(local, 24.0);
    EXPECT_NEAR(HoursDifference(local, greenwich - west / 15.0), 0.0, 1e-9) << west;
  }
}

}  // namespace
