// The two Kepler solvers converge to the root for every angle, the extreme ones included.
#include "SatelliteTheories.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmoons {
namespace {

constexpr double kAngles[] = {0.0,
                              1e-15,
                              1e-9,
                              1e-3,
                              1.0,
                              M_PI - 1e-12,
                              M_PI,
                              M_PI + 1e-9,
                              4.0,
                              2 * M_PI - 1e-9,
                              2 * M_PI - 1e-15,
                              -2.0,
                              20.0};

struct TEquinoctialCase {
  double k;
  double h;
};

class TEquinoctialKepler : public testing::TestWithParam<TEquinoctialCase> {};

TEST_P(TEquinoctialKepler, SolvesEveryMeanLongitude) {
  const auto [k, h] = GetParam();
  for (double lambda : kAngles) {
    const double f = SolveEquinoctialKepler(lambda, k, h);
    ASSERT_TRUE(std::isfinite(f)) << lambda;
    EXPECT_NEAR(f - k * std::sin(f) + h * std::cos(f), lambda, 1e-12) << "lambda " << lambda;
    EXPECT_LT(std::fabs(f - lambda), M_PI) << lambda;
  }
}

// Circular orbit, the eccentricities of Miranda and Oberon with both signs, and far
// larger ones than the theory needs.
INSTANTIATE_TEST_SUITE_P(Eccentricities, TEquinoctialKepler,
                         testing::Values(TEquinoctialCase{0.0, 0.0},
                                         TEquinoctialCase{1.3e-3, 2.0e-4},
                                         TEquinoctialCase{-1.4e-3, -1.2e-3},
                                         TEquinoctialCase{0.0, 0.004}, TEquinoctialCase{0.3, -0.4},
                                         TEquinoctialCase{-0.6, 0.6}));

TEST(EquinoctialKepler, CircularOrbitReturnsTheMeanLongitude) {
  EXPECT_EQ(SolveEquinoctialKepler(2.5, 0.0, 0.0), 2.5);
}

// At lambda = 0 the root is not 0 unless h = 0: F - k sin F + h cos F = 0 needs F ~ -h.
TEST(EquinoctialKepler, ZeroMeanLongitudeWithEccentricityIsNotZero) {
  const double f = SolveEquinoctialKepler(0.0, 1e-3, 4e-3);
  EXPECT_NEAR(f, -4e-3 / (1 - 1e-3), 1e-6);
}

class TEccentricKepler : public testing::TestWithParam<double> {};

TEST_P(TEccentricKepler, SolvesEveryMeanAnomaly) {
  const double e = GetParam();
  for (double m : kAngles) {
    const double bigE = SolveEccentricKepler(m, e);
    EXPECT_NEAR(bigE - e * std::sin(bigE), m, 1e-12) << "M " << m;
  }
}

// Tethys's circle, Titan, Hyperion and the largest eccentricity the routine accepts.
INSTANTIATE_TEST_SUITE_P(Eccentricities, TEccentricKepler, testing::Values(0.0, 0.029, 0.13, 0.3));

}  // namespace
}  // namespace velmoons
