// Refraction against Bennett's independent formula for apparent altitudes (J. Inst.
// Navigation 35, 255, 1982: R = cot(h + 7.31 / (h + 4.4)) arcminutes), and its behaviour
// below the horizon and for out-of-range weather.
#include "velastro.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

double BennettArcmin(double apparentDeg) {
  return 1.0 / std::tan((apparentDeg + 7.31 / (apparentDeg + 4.4)) * kDegToRad);
}

TEST(Refraction, MatchesBennettAboveTheHorizon) {
  for (double apparent = 0.0; apparent <= 90.0; apparent += 0.5) {
    const double r = BennettArcmin(apparent);
    const double trueAltitude = apparent - r / 60.0;
    EXPECT_NEAR(refrac(trueAltitude, 1010.0, 10.0) * 60.0, r, 0.1) << apparent;
  }
  EXPECT_NEAR(refrac(90.0, 1010.0, 10.0) * 3600.0, 0.0, 0.01);
}

TEST(Refraction, ScalesWithPressureAndTemperature) {
  const double standard = refrac(10.0, 1010.0, 10.0);
  EXPECT_NEAR(refrac(10.0, 505.0, 10.0), standard / 2.0, 1e-12);
  EXPECT_NEAR(refrac(10.0, 1010.0, -30.0), standard * 283.0 / 243.0, 1e-12);
  EXPECT_NEAR(refrac(10.0, 1010.0, 40.0), standard * 283.0 / 313.0, 1e-12);
}

TEST(Refraction, WeatherOutsideThePhysicalRangeIsClamped) {
  EXPECT_EQ(refrac(5.0, 1e6, 10.0), refrac(5.0, kVelastroMaxPressureMbar, 10.0));
  EXPECT_EQ(refrac(5.0, -50.0, 10.0), 0.0);
  EXPECT_EQ(refrac(5.0, 1010.0, -273.15), refrac(5.0, 1010.0, kVelastroMinTemperatureC));
  EXPECT_TRUE(std::isfinite(refrac(5.0, 1010.0, -273.0)));
  EXPECT_EQ(refrac(5.0, 1010.0, 500.0), refrac(5.0, 1010.0, kVelastroMaxTemperatureC));
}

TEST(Refraction, FiniteContinuousAndNonNegativeBelowTheHorizon) {
  double previous = refrac(-90.0, 1010.0, 10.0);
  for (double h = -90.0; h <= 5.0; h += 0.001) {
    const double r = refrac(h, 1010.0, 10.0);
    ASSERT_TRUE(std::isfinite(r)) << h;
    ASSERT_GE(r, 0.0) << h;
    ASSERT_LT(std::fabs(r - previous), 0.001) << h;  // no jumps (about 4" per step at most)
    previous = r;
  }
  EXPECT_EQ(refrac(-5.0, 1010.0, 10.0), 0.0);
  EXPECT_EQ(refrac(-30.0, 1010.0, 10.0), 0.0);
  // The apparent horizon: true altitude about -0.57 degrees lifts to 0 (34').
  EXPECT_NEAR(refrac(-0.575, 1010.0, 10.0) * 60.0, 34.5, 0.5);
}

TEST(Refraction, TrueAltitudePlusRefractionNeverDecreases) {
  // The apparent horizon search and the inverse refraction rely on this.
  double previous = -6.0 + refrac(-6.0, 1010.0, 10.0);
  for (double h = -5.999; h <= 10.0; h += 0.001) {
    const double apparent = h + refrac(h, 1010.0, 10.0);
    ASSERT_GT(apparent, previous) << h;
    previous = apparent;
  }
}

}  // namespace
