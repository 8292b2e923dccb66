// The ecliptic's declination table and its two readings.
#include "EclipticTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using velarion::zodiac::TEclipticTable;

constexpr double kObliquity = 23.4392911;  // J2000.0
constexpr double kDegree = 0.017453292519943295;

TEST(EclipticTable, RebuildsOnlyWhenTheObliquityMovesMoreThanAnArcSecond) {
  TEclipticTable table;
  EXPECT_TRUE(table.Update(kObliquity));
  const int32_t last = table.Entry(135);
  EXPECT_EQ(last, std::lround(kObliquity * 3600.0));  // at 6h the declination is the obliquity
  EXPECT_FALSE(table.Update(kObliquity + 0.0002778));
  EXPECT_EQ(table.Obliquity(), kObliquity);
  EXPECT_TRUE(table.Update(kObliquity + 0.0003));
  EXPECT_EQ(table.Entry(135), std::lround((kObliquity + 0.0003) * 3600.0));
  table.Invalidate();
  EXPECT_TRUE(table.Update(kObliquity + 0.0003));
}

TEST(EclipticTable, QuickReadingAtTheQuadrantBoundaries) {
  TEclipticTable table;
  table.Update(kObliquity);
  const int32_t e = table.Entry(135) / 60;
  EXPECT_EQ(table.QuickDeclination(0), 0);
  EXPECT_EQ(table.QuickDeclination(5400), e);
  EXPECT_EQ(table.QuickDeclination(10800), 0);
  EXPECT_EQ(table.QuickDeclination(16200), -e);
  EXPECT_LT(table.QuickDeclination(10900), 0);
  EXPECT_GT(table.QuickDeclination(10700), 0);
  EXPECT_GT(table.QuickDeclination(21599), -2);
  // The full circle reads as 0h, never before the table.
  EXPECT_EQ(table.QuickDeclination(21600), 0);
  EXPECT_DOUBLE_EQ(table.DetailedDeclination(360.0), table.DetailedDeclination(0.0));
}

// Points of the ecliptic from its longitude: sin δ = sin ε sin λ, tan α = cos ε tan λ.
TEST(EclipticTable, BothReadingsFollowTheEclipticWithinTheirStep) {
  TEclipticTable table;
  table.Update(kObliquity);
  const double e = kObliquity * kDegree;
  for (double longitude = 5.0; longitude < 360.0; longitude += 17.0) {
    const double l = longitude * kDegree;
    double ra = std::atan2(std::cos(e) * std::sin(l), std::cos(l)) / kDegree;
    if (ra < 0) ra += 360.0;
    const double dec = std::asin(std::sin(e) * std::sin(l)) / kDegree;
    EXPECT_NEAR(table.DetailedDeclination(ra), dec, 3.0 / 3600.0) << longitude;
    const auto raMinutes = static_cast<int32_t>(ra * 60.0);
    EXPECT_NEAR(table.QuickDeclination(raMinutes), dec * 60.0, 1.5) << longitude;
  }
}

}  // namespace
