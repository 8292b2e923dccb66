#include "KeplerOrbit.h"

#include "velastro.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velarion::orbits {
namespace {

constexpr double kPerihelionMjd = 55000.0;

double CenturiesAfterPerihelion(double days) { return GetT(kPerihelionMjd + days); }

// Days after perihelion at which the mean anomaly of an orbit reaches `meanAnomalyDeg`.
double DaysToMeanAnomaly(double q, double e, double meanAnomalyDeg) {
  const double inverseA = std::abs(1.0 - e) / q;
  return meanAnomalyDeg * (3.14159265358979 / 180.0) /
         (kGaussianConstant * std::sqrt(inverseA * inverseA * inverseA));
}

TEST(KeplerOrbitTest, BranchFollowsMeanAnomalyAndEccentricity) {
  struct TCase {
    double e;
    double meanAnomalyDeg;  // where the moment lies
    TKeplerBranch expected;
  };
  const TCase cases[] = {
      {0.95, 4.9, TKeplerBranch::kNearParabolic},  {0.95, 5.1, TKeplerBranch::kElliptic},
      {0.95, -5.1, TKeplerBranch::kElliptic},      {1.05, 4.9, TKeplerBranch::kNearParabolic},
      {1.05, -4.9, TKeplerBranch::kNearParabolic}, {1.05, 5.1, TKeplerBranch::kHyperbolic},
      {0.85, 1.0, TKeplerBranch::kElliptic},       {1.2, 1.0, TKeplerBranch::kHyperbolic},
  };
  for (const TCase& c : cases) {
    const TPerihelionOrbit orbit{1.0, c.e, kPerihelionMjd};
    const double days = DaysToMeanAnomaly(1.0, c.e, c.meanAnomalyDeg);
    EXPECT_EQ(KeplerBranchAt(orbit, CenturiesAfterPerihelion(days)), c.expected)
        << "e " << c.e << " M " << c.meanAnomalyDeg;
  }
  // A parabola has no mean anomaly: decades from perihelion it is still near-parabolic.
  EXPECT_EQ(KeplerBranchAt({2.0, 1.0, kPerihelionMjd}, CenturiesAfterPerihelion(20000.0)),
            TKeplerBranch::kNearParabolic);
}

// On both sides of the |M| = 5° join the two solutions describe the same orbit, so the
// place moves on smoothly across it (within what the elliptic solution's tolerance of 1e-7
// in Kepler's equation leaves, a × 1e-7 for a' up to 27 AU here).
TEST(KeplerOrbitTest, SolutionsMeetAtTheFiveDegreeJoin) {
  for (double e : {0.93, 0.97, 1.03, 1.07}) {
    const TPerihelionOrbit orbit{0.8, e, kPerihelionMjd};
    const double joinDays = DaysToMeanAnomaly(0.8, e, 5.0);
    const double step = 1e-4;  // days
    const TPlaneState before = SolveKepler(orbit, CenturiesAfterPerihelion(joinDays - step));
    const TPlaneState after = SolveKepler(orbit, CenturiesAfterPerihelion(joinDays + step));
    ASSERT_NE(KeplerBranchAt(orbit, CenturiesAfterPerihelion(joinDays - step)),
              KeplerBranchAt(orbit, CenturiesAfterPerihelion(joinDays + step)));
    EXPECT_NEAR(after.x, before.x + 2 * step * before.vx, 3e-6) << "e " << e;
    EXPECT_NEAR(after.y, before.y + 2 * step * before.vy, 3e-6) << "e " << e;
    EXPECT_NEAR(after.vx, before.vx, 1e-7) << "e " << e;
    EXPECT_NEAR(after.vy, before.vy, 1e-7) << "e " << e;
  }
}

TEST(KeplerOrbitTest, CircularOrbitQuarterPeriodAfterPerihelion) {
  const double quarterDays = 90.0 * 1.0145616632689169 * 1.000040246;
  const TPlaneState s =
      SolveKepler({1.0, 0.0, kPerihelionMjd}, CenturiesAfterPerihelion(quarterDays));
  EXPECT_NEAR(s.x, 0.0, 1e-7);
  EXPECT_NEAR(s.y, 1.0, 1e-7);
  EXPECT_NEAR(s.vx, -kGaussianConstant, 1e-9);
  EXPECT_NEAR(s.vy, 0.0, 1e-9);
}

// Many revolutions later the elliptic solution lands where one revolution less would:
// the mean anomaly is reduced in degrees before Newton's method starts.
TEST(KeplerOrbitTest, EllipticPlaceRepeatsEveryRevolution) {
  const double a = 2.5;
  const double e = 0.3;
  const TPerihelionOrbit orbit{a * (1 - e), e, kPerihelionMjd};
  const double periodDays = 360.0 * 1.0145616632689169 * 1.000040246 * std::sqrt(a * a * a);
  const TPlaneState early = SolveKepler(orbit, CenturiesAfterPerihelion(100.0));
  const TPlaneState late = SolveKepler(orbit, CenturiesAfterPerihelion(100.0 + 7 * periodDays));
  EXPECT_NEAR(late.x, early.x, 1e-6);
  EXPECT_NEAR(late.y, early.y, 1e-6);
  // Energy: v² = k² (2/r − 1/a) on the ellipse.
  const double r = std::hypot(early.x, early.y);
  const double k2 = kGaussianConstant * kGaussianConstant;
  EXPECT_NEAR(early.vx * early.vx + early.vy * early.vy, k2 * (2 / r - 1 / a), 1e-12);
}

TEST(KeplerOrbitTest, HyperbolicAndParabolicPlacesKeepTheirEnergy) {
  struct TCase {
    double q;
    double e;
    double days;
  };
  for (const TCase& c : {TCase{0.25, 1.2, 400.0}, TCase{0.25, 1.2, -900.0}, TCase{1.5, 1.0, 300.0},
                         TCase{1.5, 1.0, -2000.0}, TCase{0.9, 0.995, 200.0}}) {
    const TPlaneState s = SolveKepler({c.q, c.e, kPerihelionMjd}, CenturiesAfterPerihelion(c.days));
    const double r = std::hypot(s.x, s.y);
    const double inverseA = (1.0 - c.e) / c.q;  // negative for a hyperbola, 0 for a parabola
    const double k2 = kGaussianConstant * kGaussianConstant;
    EXPECT_NEAR(s.vx * s.vx + s.vy * s.vy, k2 * (2 / r - inverseA), 1e-11) << c.e << " " << c.days;
    EXPECT_EQ(s.y > 0, c.days > 0);
  }
}

}  // namespace
}  // namespace velarion::orbits
