// Grid steps: snapping to round values, the automatic and manual steps and the number of
// lines they give. Expected values are worked out by hand from the snapping rules.
#include "GridSteps.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::catalogues;

TEST(GridSteps, KeepLeadingDigit) {
  const std::pair<int32_t, int32_t> cases[] = {
      {0, 0}, {7, 7}, {9, 9}, {10, 10}, {74, 70}, {99, 90}, {1234, 1000}, {2147483647, 2000000000}};
  for (auto [n, expected] : cases) EXPECT_EQ(KeepLeadingDigit(n), expected) << n;
}

TEST(GridSteps, DecTypeSnapping) {
  const std::pair<int32_t, int32_t> cases[] = {
      {37, 35},      // 74 -> 70 -> 35
      {7, 5},        // 14 -> 10 -> 5
      {25, 25},      // 50 stays
      {40, 40},      // 80 stays
      {1, 1},        // 2 stays
      {600, 600},    // 10 degrees
      {700, 600},    // 11.7 -> 12 degrees -> 10
      {2000, 1800},  // 33.3 -> 33 degrees -> 30
  };
  for (auto [n, expected] : cases) EXPECT_EQ(SnapDecStep(n), expected) << n;
}

TEST(GridSteps, RaTypeSnapping) {
  const std::pair<int32_t, int32_t> cases[] = {
      {2000, 1800},   // 2.2 hours -> 2 hours
      {900, 900},     // 1 hour
      {12000, 9000},  // 13.3 -> 13 hours -> 10 hours
      {100, 75},      // 6 min of time -> 12 -> 10 -> 5 min
      {45, 45},       // 3 min of time: 6 stays, 3 min
      {12, 10},       // below a minute of time: (1 * 2) -> 1 -> 10'
      {9, 0},         // nothing left: the minimum of 6' applies later
  };
  for (auto [n, expected] : cases) EXPECT_EQ(SnapRaStep(n), expected) << n;
}

TEST(GridSteps, AutomaticStepsAtZoom100) {
  EXPECT_EQ(AutoQuickRaStep(100), 900);  // 450000 / 500 = 900: one hour
  EXPECT_EQ(AutoDecStep(100), 600);      // 450000 / 750 = 600: ten degrees
  EXPECT_EQ(AutoQuickRaStep(600), 450);  // 450: 30 min of time, 60 -> 30 min
  EXPECT_EQ(AutoDecStep(600), 360);      // 360: 6 degrees
}

TEST(GridSteps, AutomaticRaStepOfTheDetailedView) {
  // b = 10: (sqrt(8000) / 12 + 1) * 10 * 1.5 = 126.8 -> 127 -> 8 min -> 16 -> 10 -> 5 min.
  EXPECT_EQ(AutoDetailedRaStep({0.0, 10.0, 0.0, 10.0}), 75);
  // Towards the pole the factor falls to 1: 1 * 2 * 1.5 = 3 -> nothing -> the 6' minimum.
  EXPECT_EQ(AutoDetailedRaStep({0.0, 2.0, 80.0, 95.0}), kMinRaStepArcmin);
  // An empty window does not give a step of 0.
  EXPECT_EQ(AutoDetailedRaStep({5.0, 5.0, 0.0, 0.0}), kMinRaStepArcmin);
}

TEST(GridSteps, ConfiguredStepsOfZeroOrLessAreRaised) {
  EXPECT_EQ(ManualRaStep(3600), 900);
  EXPECT_EQ(ManualRaStep(0), 1);  // 6 s of time, the smallest step
  EXPECT_EQ(ManualRaStep(-40), 1);
  EXPECT_EQ(ManualRaStep(3), 1);  // would be 0 arc-minutes
  EXPECT_EQ(ManualDecStep(0), 1);
  EXPECT_EQ(ManualDecStep(-600), 1);
  EXPECT_EQ(ManualDecStep(700), 700);
}

TEST(GridSteps, LineCounts) {
  EXPECT_EQ(FullCircleLineCount(900), 24);
  EXPECT_EQ(FullCircleLineCount(600), 36);
  EXPECT_EQ(FullCircleLineCount(1000), 22);    // 21 and 600' left, more than half a step
  EXPECT_EQ(FullCircleLineCount(7000), 3);     // 600' left, less than half a step
  EXPECT_EQ(FullCircleLineCount(0), 21600);    // guarded
  EXPECT_EQ(DeclinationCircleCount(600), 17);  // +80 .. -80
  EXPECT_EQ(DeclinationCircleCount(700), 15);  // 2 * 7 + 1
  EXPECT_EQ(DeclinationCircleCount(5400), 1);  // the equator alone
  EXPECT_EQ(AltitudeCircleCount(600), 8);      // 10 .. 80
  EXPECT_EQ(AltitudeCircleCount(700), 7);
  EXPECT_EQ(AltitudeCircleCount(6000), 0);
  EXPECT_EQ(OutermostDeclination(600), 4800);
  EXPECT_EQ(OutermostDeclination(700), 4900);
}

}  // namespace
