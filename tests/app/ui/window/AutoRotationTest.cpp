#include "AutoRotation.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

constexpr double kStep = 0.01;

TEST(AutoRotation, IntervalCodes) {
  const int32_t expected[] = {50, 50, 100, 200, 300, 500, 1000, 1000};
  for (int32_t code = 0; code <= 7; ++code)
    EXPECT_EQ(AutoRotationIntervalMs(code), expected[code]) << code;
}

TEST(AutoRotation, StepsForwardBackwardOrFollowsTheClock) {
  TAutoRotationState rotation;
  rotation.SetOn(true);
  EXPECT_DOUBLE_EQ(*rotation.Tick({kStep, true, false}, 100.0, 555.0), 100.0 + kStep);
  EXPECT_DOUBLE_EQ(*rotation.Tick({kStep, false, false}, 100.0, 555.0), 100.0 - kStep);
  EXPECT_DOUBLE_EQ(*rotation.Tick({kStep, false, true}, 100.0, 555.0), 555.0);
}

TEST(AutoRotation, StopTestFollowsTheDirectionOfMotion) {
  struct TCase {
    const char* what;
    bool forward;
    bool realTime;
    double stop;
    double mjd;
    bool stops;
  };
  const TCase cases[] = {
      {"forward, stop ahead", true, false, 101.0, 100.0, false},
      {"forward, stop reached", true, false, 100.0, 100.0, true},
      {"forward, stop already behind", true, false, 99.0, 100.0, true},
      {"backward, stop in the past ahead of the motion", false, false, 99.0, 100.0, false},
      {"backward, stop reached", false, false, 99.0, 99.0, true},
      {"backward, stop passed", false, false, 99.0, 98.995, true},
      {"backward, stop later than the view", false, false, 101.0, 100.0, true},
      {"real time, stop ahead", false, true, 101.0, 100.0, false},
      {"real time, stop reached", false, true, 100.0, 100.5, true},
  };
  for (const TCase& c : cases) {
    TAutoRotationState rotation;
    rotation.SetOn(true);
    rotation.SetStop(c.stop);
    const auto next = rotation.Tick({kStep, c.forward, c.realTime}, c.mjd, 100.2);
    EXPECT_EQ(!next.has_value(), c.stops) << c.what;
    EXPECT_EQ(rotation.On(), !c.stops) << c.what;
    if (c.stops) {
      EXPECT_EQ(rotation.Stop(), TAutoRotationState::kNoStop) << c.what;
    }
  }
}

TEST(AutoRotation, BackwardRunStopsAtAPastStopMoment) {
  TAutoRotationState rotation;
  rotation.SetOn(true);
  rotation.SetStop(99.955);
  double mjd = 100.0;
  int ticks = 0;
  while (const auto next = rotation.Tick({kStep, false, false}, mjd, 0.0)) {
    mjd = *next;
    ASSERT_LT(++ticks, 100) << "never stops";
  }
  EXPECT_EQ(ticks, 5);
  EXPECT_NEAR(mjd, 99.95, 1e-9);
}

TEST(AutoRotation, OffTicksNothingAndNoStopNeverStops) {
  TAutoRotationState rotation;
  EXPECT_FALSE(rotation.Tick({kStep, true, false}, 100.0, 0.0).has_value());
  rotation.SetOn(true);
  EXPECT_TRUE(rotation.Tick({kStep, true, false}, 1e8, 0.0).has_value());
}

}  // namespace
}  // namespace velarion::ui
