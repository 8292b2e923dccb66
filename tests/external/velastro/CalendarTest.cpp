// Calendar dates against Meeus' examples and Python's proleptic Gregorian day count
// (tests/fixtures/oracles/calendar.csv), and the round trip over the whole year range.
#include "velastro.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kMjdToJd = 2400000.5;

TEST(Calendar, DatesMatchPublishedJulianDates) {
  const veltest::TOracleTable oracle("calendar.csv");
  ASSERT_GT(oracle.Size(), 50u);
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    const auto day = static_cast<int32_t>(oracle.Number(i, "day"));
    const auto month = static_cast<int32_t>(oracle.Number(i, "month"));
    const auto year = static_cast<int32_t>(oracle.Number(i, "year"));
    const double hour = oracle.Number(i, "hour");
    SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day));
    EXPECT_NEAR(MJD(day, month, year, hour) + kMjdToJd, oracle.Number(i, "jd"), 1e-6);
  }
}

TEST(Calendar, ReformSkipsTenDays) {
  EXPECT_EQ(MJD(15, 10, 1582, 0.0) - MJD(4, 10, 1582, 0.0), 1.0);
  int32_t d = 0, m = 0, y = 0;
  double h = 0.0;
  CalDat(MJD(4, 10, 1582, 0.0) + 1.0, &d, &m, &y, &h);
  EXPECT_EQ(d, 15);
  EXPECT_EQ(m, 10);
  EXPECT_EQ(y, 1582);
}

// Every first of a month from -9998 to 9999 converts back to itself, and the days between
// consecutive years follow the Julian rule (every fourth year, year 0 included) before the
// reform and the Gregorian rule after it.
TEST(Calendar, RoundTripAndYearLengthsOverTheWholeRange) {
  for (int32_t year = -9998; year <= 9999; ++year) {
    for (int32_t month = 1; month <= 12; month += 11) {
      const double mjd = MJD(1, month, year, 6.5);
      int32_t d = 0, m = 0, y = 0;
      double h = 0.0;
      CalDat(mjd, &d, &m, &y, &h);
      ASSERT_EQ(y, year);
      ASSERT_EQ(m, month);
      ASSERT_EQ(d, 1);
      ASSERT_NEAR(h, 6.5, 1e-6);
    }
    if (year < 9999 && year != 1582) {
      const bool julianLeap = year % 4 == 0;
      const bool gregorianLeap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
      const bool leap = year < 1582 ? julianLeap : gregorianLeap;
      ASSERT_EQ(MJD(1, 1, year + 1, 0.0) - MJD(1, 1, year, 0.0), leap ? 366.0 : 365.0) << year;
    }
  }
}

TEST(Calendar, MonthOverflowRollsIntoTheYear) {
  EXPECT_EQ(MJD(1, 13, 2000, 0.0), MJD(1, 1, 2001, 0.0));
  EXPECT_EQ(MJD(1, 0, 2000, 0.0), MJD(1, 12, 1999, 0.0));
  EXPECT_EQ(MJD(32, 1, 2000, 0.0), MJD(1, 2, 2000, 0.0));
}

TEST(Calendar, CenturiesFromJ2000) {
  EXPECT_EQ(GetT(51544.5), 0.0);
  EXPECT_DOUBLE_EQ(GetT(51544.5 + 36525.0), 1.0);
  for (double t : {-120.0, -1.0, 0.25, 80.0}) {
    EXPECT_NEAR(GetT(TToMJD(t)), t, 1e-12);
  }
}

TEST(Calendar, NullOutPointersAreSkipped) {
  int32_t year = 0;
  CalDat(51544.5, nullptr, nullptr, &year, nullptr);
  EXPECT_EQ(year, 2000);
}

}  // namespace
