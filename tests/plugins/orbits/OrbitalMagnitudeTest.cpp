#include "OrbitalMagnitude.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velarion::orbits {
namespace {

TEST(OrbitalMagnitudeTest, CometTotalMagnitude) {
  EXPECT_NEAR(*CometMagnitude(5.0, 10.0, {1.0, 1.0, 1.0}), 5.0, 1e-12);
  EXPECT_NEAR(*CometMagnitude(5.0, 10.0, {2.0, 1.0, 1.0}), 5.0 + 25.0 * std::log10(2.0), 1e-12);
  EXPECT_NEAR(*CometMagnitude(5.0, 10.0, {2.0, 1.0, 1.0}), 12.53, 0.005);
}

// At opposition the phase function is 1 whatever G: m = H + 5 log10(r Δ) (but for the
// 1e-9 rad that stands in for a phase angle of 0).
TEST(OrbitalMagnitudeTest, AsteroidAtOppositionIgnoresSlope) {
  for (double slope : {0.0, 0.15, 0.5}) {
    EXPECT_NEAR(*AsteroidMagnitude(3.4, slope, {2.7, 1.7, 1.0}), 3.4 + 5 * std::log10(2.7 * 1.7),
                1e-5);
  }
}

TEST(OrbitalMagnitudeTest, AsteroidFadesWithPhaseAngle) {
  // r = 1, Δ = 1, R = √2: the phase angle is 90°.
  const double quadrature = *AsteroidMagnitude(10.0, 0.15, {1.0, 1.0, std::sqrt(2.0)});
  const double halfTan = std::tan(0.25 * 3.141592653589793);
  const double phi1 = std::exp(-3.33 * std::pow(halfTan, 0.63));
  const double phi2 = std::exp(-1.87 * std::pow(halfTan, 1.22));
  EXPECT_NEAR(quadrature, 10.0 - 2.5 * std::log10(0.85 * phi1 + 0.15 * phi2), 1e-9);
}

// A logarithm of zero or of a negative number gives no magnitude rather than ±inf or NaN.
TEST(OrbitalMagnitudeTest, NoMagnitudeWhereALogarithmHasNoValue) {
  EXPECT_FALSE(CometMagnitude(5.0, 4.0, {1.0, 0.0, 1.0}));
  EXPECT_FALSE(CometMagnitude(5.0, 4.0, {0.0, 1.0, 1.0}));
  EXPECT_FALSE(AsteroidMagnitude(5.0, 0.15, {0.0, 1.0, 1.0}));
  EXPECT_FALSE(AsteroidMagnitude(5.0, 0.15, {1.0, 0.0, 1.0}));
  // G = −5 at a phase of 90°: (1 − G) Φ1 + G Φ2 < 0.
  EXPECT_FALSE(AsteroidMagnitude(5.0, -5.0, {1.0, 1.0, std::sqrt(2.0)}));
}

}  // namespace
}  // namespace velarion::orbits
