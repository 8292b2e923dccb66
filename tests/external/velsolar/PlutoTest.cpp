// Pluto outside the range of its periodic series: continuous at the joins and on a
// sensible orbit far from them.
#include "velsolar.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Pluto, PlaceIsContinuousWhereTheSeriesHandsOverToTheMeanOrbit) {
  for (double join : {-1.15, 0.99}) {
    double l1 = 0, b1 = 0, r1 = 0, l2 = 0, b2 = 0, r2 = 0;
    // 1e-11 centuries is 0.03 s, in which Pluto moves some 0.00001".
    Plu404(join - 1e-11, &l1, &b1, &r1);
    Plu404(join + 1e-11, &l2, &b2, &r2);
    SCOPED_TRACE(join);
    EXPECT_LT(std::fabs(veltest::AngleDifference(l1, l2)) * 3600.0, 0.001);
    EXPECT_LT(std::fabs(b1 - b2) * 3600.0, 0.001);
    EXPECT_LT(std::fabs(r1 - r2), 1e-9);
  }
}

TEST(Pluto, FarFromTheSeriesRangeStaysOnItsOrbit) {
  // Perihelion 29.7 AU, aphelion 49.3 AU, inclination 17 degrees.
  for (double t : {-50.0, -20.0, -3.0, 3.0, 10.0}) {
    double l = 0, b = 0, r = 0;
    Plu404(t, &l, &b, &r);
    SCOPED_TRACE(t);
    EXPECT_GT(r, 29.0);
    EXPECT_LT(r, 50.0);
    EXPECT_LT(std::fabs(b), 18.0);
    EXPECT_GE(l, 0.0);
    EXPECT_LT(l, 360.0);
  }
}

}  // namespace
