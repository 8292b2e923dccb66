// The refraction table against the refraction model it tabulates (velastro's refrac).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RefractionTable.h"
#include "SkyTestSupport.h"
#include "velastro.h"

namespace velarion::sky::test {
namespace {

constexpr double kPressure = 1010.0;
constexpr double kTemperature = 10.0;

// Apparent altitude and horizontal scaling straight from the model.
TRefracted ModelRefraction(double trueAltitudeDeg, double pressure, double temperature) {
  const double apparent = trueAltitudeDeg + refrac(trueAltitudeDeg, pressure, temperature);
  return {std::sin(Rad(apparent)), std::cos(Rad(apparent)) / std::cos(Rad(trueAltitudeDeg))};
}

TEST(RefractionTableTest, ApplyRefractionFollowsTheModelInEveryBand) {
  const TRefractionTable table(kPressure, kTemperature);
  // Below 1 deg (sine used as angle), 1..15 deg (table), 15..90 deg (linear), and the seams.
  for (const double h : {-0.55, -0.3, 0.0, 0.5, 0.99, 1.0, 1.01, 2.0, 5.0, 9.7, 14.99, 15.0, 15.01,
                         25.0, 45.0, 70.0, 89.0}) {
    const TRefracted expected = ModelRefraction(h, kPressure, kTemperature);
    const TRefracted got = table.ApplyRefraction(std::sin(Rad(h)));
    EXPECT_NEAR(got.sine, expected.sine, 1e-5) << h;
    EXPECT_NEAR(got.factor, expected.factor, 1e-5) << h;
  }
}

TEST(RefractionTableTest, HorizonAltitudeIsRaisedToZero) {
  for (const auto& [pressure, temperature] :
       {std::pair{1010.0, 10.0}, std::pair{1200.0, -90.0}, std::pair{600.0, 40.0}}) {
    const TRefractionTable table(pressure, temperature);
    const double h0 = Deg(std::asin(table.HorizonSine()));
    EXPECT_LT(h0, -0.2) << pressure << " " << temperature;
    EXPECT_NEAR(h0 + refrac(h0, pressure, temperature), 0.0, 0.001)
        << pressure << " " << temperature;
  }
}

TEST(RefractionTableTest, NoAtmosphereMeansNoRefraction) {
  const TRefractionTable table(0.0, 10.0);
  EXPECT_DOUBLE_EQ(table.HorizonSine(), 0.0);
  const TRefracted got = table.ApplyRefraction(std::sin(Rad(5.0)));
  EXPECT_NEAR(got.sine, std::sin(Rad(5.0)), 1e-12);
  EXPECT_NEAR(got.factor, 1.0, 1e-12);
}

TEST(RefractionTableTest, RemoveRefractionUndoesApplyRefraction) {
  const TRefractionTable table(kPressure, kTemperature);
  for (double h = -0.55; h < 90.0; h += 0.37) {
    const double trueSine = std::sin(Rad(h));
    const TRefracted apparent = table.ApplyRefraction(trueSine);
    const TRefracted back = table.RemoveRefraction(apparent.sine);
    EXPECT_NEAR(back.sine, trueSine, 2e-5) << h;
    EXPECT_NEAR(back.factor, apparent.factor, 2e-5) << h;
  }
}

TEST(RefractionTableTest, ConditionsAreClampedToTheModelsRange) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct TCase {
    double pressure;
    double temperature;
    double clampedPressure;
    double clampedTemperature;
  };
  for (const TCase& c : {TCase{5000.0, 20.0, kVelastroMaxPressureMbar, 20.0},
                         TCase{-3.0, 20.0, kVelastroMinPressureMbar, 20.0},
                         TCase{1010.0, -300.0, 1010.0, kVelastroMinTemperatureC},
                         TCase{1010.0, 400.0, 1010.0, kVelastroMaxTemperatureC},
                         TCase{kNaN, kNaN, kVelastroMaxPressureMbar, kVelastroMaxTemperatureC}}) {
    const TRefractionTable wild(c.pressure, c.temperature);
    const TRefractionTable clamped(c.clampedPressure, c.clampedTemperature);
    EXPECT_TRUE(clamped.IsFor(c.pressure, c.temperature)) << c.pressure << " " << c.temperature;
    EXPECT_EQ(wild.HorizonSine(), clamped.HorizonSine()) << c.pressure << " " << c.temperature;
    for (const double s : {0.0, 0.01, 0.1, 0.5}) {
      EXPECT_EQ(wild.ApplyRefraction(s).sine, clamped.ApplyRefraction(s).sine) << s;
      EXPECT_EQ(wild.RemoveRefraction(s).sine, clamped.RemoveRefraction(s).sine) << s;
    }
  }
}

TEST(RefractionTableTest, ChangedConditionsAreNoticed) {
  const TRefractionTable table(kPressure, kTemperature);
  EXPECT_TRUE(table.IsFor(kPressure, kTemperature));
  EXPECT_FALSE(table.IsFor(kPressure + 1.0, kTemperature));
  EXPECT_FALSE(table.IsFor(kPressure, kTemperature - 1.0));
}

}  // namespace
}  // namespace velarion::sky::test
