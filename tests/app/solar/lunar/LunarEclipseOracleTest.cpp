// Lunar eclipses 1960-2059 against DE405 (Skyfield's eclipse search and the shadow's
// contacts): type, greatest eclipse, magnitudes, contacts and position angles; the steps to
// the next and the previous eclipse; the sight of each moment from a place.
#include "MoonEclipse.h"
#include "OracleTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

using namespace velarion::lunar;
using veltest::AngleDifference;
using veltest::TOracleTable;

constexpr double kTwoMinutes = 2.0 / 1440.0;
// The program's shadow differs from the oracle's by about 20" (aberration) and in the
// parallax factor: a type is only certain when the magnitude deciding it is clear of its
// boundary by more than that.
constexpr double kTypeMargin = 0.02;

constexpr std::array<const char*, kContactCount> kContactColumns = {"p1", "u1", "u2", "greatest",
                                                                    "u3", "u4", "p4"};
constexpr std::array<const char*, kContactCount> kAngleColumns = {"pa_p1", "pa_u1", "",     "",
                                                                  "",      "pa_u4", "pa_p4"};

bool TypeIsClearCut(const TOracleTable& table, std::size_t row) {
  const double umbral = table.Number(row, "umbral_mag");
  const double penumbral = table.Number(row, "penumbral_mag");
  return std::fabs(umbral) > kTypeMargin && std::fabs(umbral - 1.0) > kTypeMargin &&
         penumbral > kTypeMargin;
}

TEST(LunarEclipse, EachEclipseOfTheOracleWithItsContactsAndAngles) {
  const TOracleTable table("lunar_eclipses.csv");
  ASSERT_GT(table.Size(), 50u);
  std::array<int, 4> typesSeen{};
  double largestMinutes = 0.0, largestMagnitude = 0.0;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    if (!TypeIsClearCut(table, row)) continue;
    const double greatest = table.Number(row, "greatest");
    TMoonEclipse search(TDeltaTRule::Standard());
    ASSERT_TRUE(search.Find(greatest - 3.0, TSearchDirection::kForward)) << row;
    const TLunarEclipse& e = *search.Eclipse();
    const int type = static_cast<int>(table.Number(row, "type"));
    ASSERT_EQ(static_cast<int>(e.type), type) << "row " << row;
    ++typesSeen[type];
    EXPECT_NEAR(e.umbralMagnitude, table.Number(row, "umbral_mag"), 0.03) << row;
    EXPECT_NEAR(e.penumbralMagnitude, table.Number(row, "penumbral_mag"), 0.03) << row;
    largestMagnitude =
        std::max(largestMagnitude, std::fabs(e.umbralMagnitude - table.Number(row, "umbral_mag")));
    for (int c = 0; c < kContactCount; ++c) {
      const std::string column = kContactColumns[c];
      const bool expected = !table.Text(row, column).empty();
      ASSERT_EQ(e.mjdTt[c].has_value(), expected) << row << " " << column;
      if (!expected) continue;
      const double difference = *e.mjdTt[c] - table.Number(row, column);
      largestMinutes = std::max(largestMinutes, std::fabs(difference) * 1440.0);
      EXPECT_NEAR(difference, 0.0, kTwoMinutes) << row << " " << column;
      const std::string angle = kAngleColumns[c];
      ASSERT_EQ(e.positionAngleDeg[c].has_value(), !angle.empty()) << row << " " << column;
      if (!angle.empty()) {
        EXPECT_NEAR(AngleDifference(*e.positionAngleDeg[c], table.Number(row, angle)), 0.0, 1.0)
            << row << " " << angle;
      }
    }
  }
  EXPECT_GT(typesSeen[1], 0);
  EXPECT_GT(typesSeen[2], 0);
  EXPECT_GT(typesSeen[3], 0);
  RecordProperty("largest_contact_difference_minutes", std::to_string(largestMinutes));
  RecordProperty("largest_umbral_magnitude_difference", std::to_string(largestMagnitude));
}

TEST(LunarEclipse, NextAndPreviousStepBetweenEclipsesOfConsecutiveLunations) {
  const TOracleTable table("lunar_eclipses.csv");
  int pairs = 0;
  for (std::size_t row = 1; row < table.Size(); ++row) {
    const double first = table.Number(row - 1, "greatest");
    const double second = table.Number(row, "greatest");
    if (second - first > 31.0) continue;
    ++pairs;
    TMoonEclipse search(TDeltaTRule::Standard());
    ASSERT_TRUE(search.Find(first - 1.0, TSearchDirection::kForward));
    EXPECT_NEAR(search.Eclipse()->greatestMjdTt, first, kTwoMinutes);
    ASSERT_TRUE(search.Step(TSearchDirection::kForward));
    EXPECT_NEAR(search.Eclipse()->greatestMjdTt, second, kTwoMinutes);
    ASSERT_TRUE(search.Step(TSearchDirection::kBackward));
    EXPECT_NEAR(search.Eclipse()->greatestMjdTt, first, kTwoMinutes);
  }
  EXPECT_GE(pairs, 2);
}

TEST(LunarEclipse, TheNearestEclipseMayLieBeforeTheMoment) {
  // 20 days after an eclipse the next full moon is nearer, yet the next eclipse is months
  // away (unless it is the second of a pair, which the loop leaves out); 10 days before one
  // it lies ahead.
  const TOracleTable table("lunar_eclipses.csv");
  for (std::size_t row = 0; row + 1 < table.Size(); row += 7) {
    const double greatest = table.Number(row, "greatest");
    if (table.Number(row + 1, "greatest") - greatest < 31.0) continue;
    for (const double offset : {20.0, -10.0}) {
      TMoonEclipse search(TDeltaTRule::Standard());
      ASSERT_TRUE(search.FindNearest(greatest + offset)) << row;
      EXPECT_NEAR(search.Eclipse()->greatestMjdTt, greatest, kTwoMinutes) << row << " " << offset;
    }
  }
}

TEST(LunarEclipse, NextSkipsTheFullMoonsOfAnEclipseFreeHalfYear) {
  // 2022 November 8 (total), then 2023 May 5 (penumbral), six lunations later.
  TMoonEclipse search(TDeltaTRule::Fixed(69.2 / 86400.0));
  ASSERT_TRUE(search.Find(59890.0, TSearchDirection::kForward));
  EXPECT_EQ(search.Eclipse()->type, TEclipseType::kTotal);
  ASSERT_TRUE(search.Step(TSearchDirection::kForward));
  EXPECT_EQ(search.Eclipse()->type, TEclipseType::kPenumbral);
  EXPECT_NEAR(search.Eclipse()->greatestMjdTt - 59891.46, 6 * 29.53, 1.5);
  EXPECT_DOUBLE_EQ(search.Eclipse()->deltaTDays, 69.2 / 86400.0);
}

TEST(LunarEclipse, SightOfEachMomentFromAPlace) {
  // 2022 November 8, P1 8:02 to P4 13:56 UT: night in Honolulu, the Moon up throughout;
  // early afternoon in Cape Town, the Moon below the horizon throughout.
  TMoonEclipse search(TDeltaTRule::Standard());
  ASSERT_TRUE(search.Find(59890.0, TSearchDirection::kForward));
  const auto honolulu = search.Visibility(21.3, -157.9);
  for (int c = 0; c < kContactCount; ++c) EXPECT_TRUE(honolulu[c]) << c;
  const auto capeTown = search.Visibility(-33.92, 18.42);
  for (int c = 0; c < kContactCount; ++c) EXPECT_FALSE(capeTown[c]) << c;
}

}  // namespace
