// The bounded minimum and sign-change searches, and the Chebyshev series they run on.
#include "ChebyshevSeries.h"
#include "ExtremumSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace velarion::lunar;

constexpr TMinimumSearch kEclipseSteps{0.04175, 40.0, 0.0001};

TEST(FindMinimum, WalksToAMinimumOutsideTheFirstStepsAndRefinesIt) {
  const auto f = [](double t) { return std::hypot(0.4, 12.0 * (t - 0.7)); };
  const std::optional<double> m = FindMinimum(f, kEclipseSteps, 0.0);
  ASSERT_TRUE(m);
  EXPECT_NEAR(*m, 0.7, 1e-5);
}

TEST(FindMinimum, GivesUpOnAPlateauASlopeWithoutEndAndUndefinedValues) {
  EXPECT_EQ(FindMinimum([](double t) { return -t; }, kEclipseSteps, 0.0), std::nullopt);
  EXPECT_EQ(FindMinimum([](double) { return std::numeric_limits<double>::quiet_NaN(); },
                        kEclipseSteps, 0.0),
            std::nullopt);
  // On a plateau every point is a minimum: the start is kept.
  const std::optional<double> flat = FindMinimum([](double) { return 1.0; }, kEclipseSteps, 5.0);
  ASSERT_TRUE(flat);
  EXPECT_NEAR(*flat, 5.0, 0.05);
}

TEST(FindSignChange, FindsTheCrossingFromEitherSide) {
  const auto f = [](double t) { return std::hypot(0.3, 13.0 * t) - 1.0; };
  const double crossing = std::sqrt(1.0 - 0.09) / 13.0;
  const std::optional<double> after = FindSignChange(f, 1e-7, 0.167, 0.0);
  const std::optional<double> before = FindSignChange(f, 1e-7, -0.167, 0.0);
  ASSERT_TRUE(after && before);
  EXPECT_NEAR(*after, crossing, 1e-6);
  EXPECT_NEAR(*before, -crossing, 1e-6);
}

TEST(FindSignChange, NoneWhenBothEndsHaveOneSignWithoutLookingFurther) {
  int evaluations = 0;
  const auto f = [&evaluations](double t) {
    ++evaluations;
    return t * t;  // 0 at the inner end counts as positive
  };
  EXPECT_EQ(FindSignChange(f, 1e-4, 0.167, 0.0), std::nullopt);
  EXPECT_EQ(evaluations, 2);
}

TEST(ChebyshevSeries, ReproducesASmoothFunctionInsideAndIsZeroOutside) {
  const auto f = [](double t) { return 180.0 + 13.2 * t + 0.3 * std::sin(2.5 * t); };
  const std::vector<double> nodes = TChebyshevSeries::Nodes(-0.35, 0.35, 6);
  ASSERT_EQ(nodes.size(), 7u);
  EXPECT_GT(nodes.front(), nodes.back());
  std::vector<double> values;
  for (const double t : nodes) values.push_back(f(t));
  const TChebyshevSeries series(-0.35, 0.35, values);
  for (double t = -0.35; t <= 0.35; t += 0.05) EXPECT_NEAR(series.Value(t), f(t), 1e-6) << t;
  EXPECT_EQ(series.Value(0.36), 0.0);
}

}  // namespace
