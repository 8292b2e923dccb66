#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "AngleUtils.h"

namespace velarion::sky {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(AngleUtilsTest, ArcSinAndArcCosClampArgumentsJustPastTheEnds) {
  struct TCase {
    double x;
    double arcSin;
    double arcCos;
  };
  for (const TCase& c : {TCase{1.0 + 1e-12, kPi / 2, 0.0}, TCase{1.5, kPi / 2, 0.0},
                         TCase{-1.0 - 1e-12, -kPi / 2, kPi}, TCase{-7.0, -kPi / 2, kPi},
                         TCase{0.5, kPi / 6, kPi / 3}, TCase{-0.5, -kPi / 6, 2 * kPi / 3}}) {
    EXPECT_NEAR(ArcSin(c.x), c.arcSin, 1e-15) << c.x;
    EXPECT_NEAR(ArcCos(c.x), c.arcCos, 1e-15) << c.x;
  }
}

TEST(AngleUtilsTest, SinCosDegMatchesTheLibraryAndIsExactAtRightAngles) {
  for (double degrees = -1000.0; degrees <= 1000.0; degrees += 0.713) {
    const TSinCos sc = SinCosDeg(degrees);
    // The library's argument carries the rounding of degrees * pi / 180, up to 2e-15 here.
    EXPECT_NEAR(sc.sin, std::sin(degrees * kPi / 180.0), 4e-15) << degrees;
    EXPECT_NEAR(sc.cos, std::cos(degrees * kPi / 180.0), 4e-15) << degrees;
  }
  struct TCase {
    double degrees;
    double sin;
    double cos;
  };
  for (const TCase& c :
       {TCase{0.0, 0.0, 1.0}, TCase{90.0, 1.0, 0.0}, TCase{180.0, 0.0, -1.0},
        TCase{-90.0, -1.0, 0.0}, TCase{270.0, -1.0, 0.0}, TCase{720.0, 0.0, 1.0}}) {
    const TSinCos sc = SinCosDeg(c.degrees);
    EXPECT_EQ(sc.sin, c.sin) << c.degrees;
    EXPECT_EQ(sc.cos, c.cos) << c.degrees;
  }
  EXPECT_TRUE(std::isnan(SinCosDeg(std::nan("")).sin));
  const TSinCos huge = SinCosDeg(1e300);
  EXPECT_NEAR(huge.sin * huge.sin + huge.cos * huge.cos, 1.0, 1e-15);
}

TEST(AngleUtilsTest, ReductionStaysInsideTheHalfOpenRange) {
  struct TCase {
    double in;
    double degrees;
    double hours;
  };
  for (const TCase& c : {TCase{0.0, 0.0, 0.0}, TCase{360.0, 0.0, 0.0}, TCase{-90.0, 270.0, 6.0},
                         TCase{725.5, 5.5, 5.5}, TCase{-1e-17, 0.0, 0.0}, TCase{-1e6, 80.0, 8.0}}) {
    const double degrees = Reduce360(c.in);
    const double hours = Reduce24(c.in);
    EXPECT_NEAR(degrees, c.degrees, 1e-9) << c.in;
    EXPECT_NEAR(hours, c.hours, 1e-9) << c.in;
    EXPECT_GE(degrees, 0.0);
    EXPECT_LT(degrees, 360.0);
    EXPECT_GE(hours, 0.0);
    EXPECT_LT(hours, 24.0);
  }
}

TEST(AngleUtilsTest, InverseUndoesAGeneralMatrix) {
  const TMatrix3 m = {{{2.0, 1.0, 0.0}, {1.0, 3.0, 1.0}, {0.5, 1.0, 4.0}}};
  const TMatrix3 product = Multiply(Inverse(m), m);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      EXPECT_NEAR(product[i][j], i == j ? 1.0 : 0.0, 1e-15) << i << "," << j;
    }
  }
}

TEST(AngleUtilsTest, ProductTakesRowsOfTheLeftFactor) {
  const TMatrix3 a = {{{1.0, 2.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
  const TMatrix3 b = {{{0.0, 1.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}}};
  const TMatrix3 expected = {{{2.0, 1.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}}};
  EXPECT_EQ(Multiply(a, b), expected);
}

// The offset 0.5555555555555556 rounds up from ...4445 on, away from zero on both sides.
TEST(AngleUtilsTest, RoundToUsesTheProgramsOffset) {
  struct TCase {
    double x;
    int decimals;
    double expected;
  };
  for (const TCase& c : {TCase{1.45, 0, 2.0}, TCase{1.44, 0, 1.0}, TCase{-1.45, 0, -2.0},
                         TCase{-1.44, 0, -1.0}, TCase{12.3449, 2, 12.35}, TCase{12.3440, 2, 12.34},
                         TCase{-0.0046, 2, -0.01}, TCase{7.0, 3, 7.0}}) {
    EXPECT_DOUBLE_EQ(RoundTo(c.x, c.decimals), c.expected) << c.x << " to " << c.decimals;
  }
}

TEST(AngleUtilsTest, RoundToIntSendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundToInt(0.5), 0);
  EXPECT_EQ(RoundToInt(1.5), 2);
  EXPECT_EQ(RoundToInt(2.5), 2);
  EXPECT_EQ(RoundToInt(-2.5), -2);
  EXPECT_EQ(RoundToInt(-2.6), -3);
}

}  // namespace
}  // namespace velarion::sky
