// The main phases against DE405 and PyEphem over 1900-2100, the secant's guards, the
// lunation around a moment and its steps, and the choice of ΔT.
#include "DeltaTRule.h"
#include "Lunation.h"
#include "MoonPhase.h"
#include "OracleTable.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace velarion::lunar;
using veltest::TOracleTable;

constexpr double kMinute = 1.0 / 1440.0;

TEST(MoonPhase, EveryMainPhaseFrom1900To2100WithinAMinuteOfTheOracle) {
  const TOracleTable table("moon_phases.csv");
  ASSERT_GT(table.Size(), 300u);
  // Starts on both sides, up to 12 days away: the search must come to the nearest phase.
  constexpr double kStartOffsets[] = {-12.0, -3.5, 0.0, 2.0, 7.0, 11.5};
  double largest = 0.0;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const auto phase = static_cast<TMainPhase>(static_cast<int>(table.Number(row, "phase")));
    const double expected = table.Number(row, "mjd_tt");
    const double start = expected + kStartOffsets[row % std::size(kStartOffsets)];
    const std::optional<double> found = FindMoonPhase(phase, start);
    ASSERT_TRUE(found) << "row " << row;
    largest = std::max(largest, std::fabs(*found - expected));
    EXPECT_NEAR(*found, expected, kMinute) << "row " << row << " " << table.Text(row, "source");
  }
  RecordProperty("largest_difference_seconds", std::to_string(largest * 86400.0));
}

struct TCrossingCase {
  const char* name;
  double (*offsetDeg)(double);
  double start;
  std::optional<double> root;
};

double Wrapped(double deg) { return deg - 360.0 * std::floor((deg + 180.0) / 360.0); }

const TCrossingCase kCrossingCases[] = {
    // A flat stretch makes the secant slope 0: it must not divide by it.
    {"flat", [](double t) { return std::max(12.19 * (t - 1.0), -4.0); }, 0.0, 1.0},
    // 20 degrees a day, faster than any Moon: the mean rate still closes in.
    {"too fast", [](double t) { return Wrapped(20.0 * (t - 3.0)); }, 11.9, 3.0},
    // Half a lunation from two crossings: the nearer one, on the far side of the cut.
    {"half a lunation away", [](double t) { return Wrapped(13.0 * (t - 20.0)); }, 6.1,
     20.0 - 360.0 / 13.0},
    {"never crosses", [](double) { return 5.0; }, 0.0, std::nullopt},
    {"undefined", [](double) { return std::numeric_limits<double>::quiet_NaN(); }, 0.0,
     std::nullopt},
};

TEST(MoonPhase, SecantStepsStayBoundedAndFallBackToTheMeanRate) {
  for (const TCrossingCase& c : kCrossingCases) {
    const std::optional<double> found = FindPhaseCrossing(c.offsetDeg, c.start);
    ASSERT_EQ(found.has_value(), c.root.has_value()) << c.name;
    if (c.root) {
      EXPECT_NEAR(*found, *c.root, 1e-4) << c.name;
    }
  }
}

TEST(MoonPhase, FullMoonADayLaterIsFoundBeforeTheStart) {
  // Full moon of 2022 November 8, 11:02 UT (DE405).
  const double full = *FindMoonPhase(TMainPhase::kFullMoon, 59891.5);
  const std::optional<double> again = FindMoonPhase(TMainPhase::kFullMoon, full + 1.0);
  ASSERT_TRUE(again);
  EXPECT_NEAR(*again, full, 3e-5);
}

TEST(Lunation, AroundADayAfterFullMoonAndBackAfterAStep) {
  const double full = *FindMoonPhase(TMainPhase::kFullMoon, 59891.5);
  const std::optional<TLunation> lunation = LunationAround(full + 1.0);
  ASSERT_TRUE(lunation);
  EXPECT_NEAR(lunation->At(TMainPhase::kFullMoon), full, 3e-5);
  const auto& m = lunation->mjdTt;
  EXPECT_TRUE(m[0] < m[1] && m[1] < m[2] && m[2] < m[3]);
  EXPECT_GT(m[0], full - 16.0);
  EXPECT_LT(m[3], full + 9.0);

  const std::optional<TLunation> next = StepLunation(*lunation, 1);
  ASSERT_TRUE(next);
  for (int k = 0; k < kMainPhaseCount; ++k) {
    EXPECT_NEAR(next->mjdTt[k] - m[k], 29.53, 0.6) << k;
  }
  const std::optional<TLunation> back = StepLunation(*next, -1);
  ASSERT_TRUE(back);
  for (int k = 0; k < kMainPhaseCount; ++k) EXPECT_NEAR(back->mjdTt[k], m[k], 3e-5) << k;
}

TEST(DeltaTRule, TheViewsOwnDeltaTOnlyWhenItDiffersByAMicroday) {
  const double tt = 59891.5;
  const double standard = GetDeltat(GetT(tt)) / 86400.0;
  const TDeltaTRule same = TDeltaTRule::ForView(tt - standard - 0.9e-6, tt);
  EXPECT_TRUE(same.IsStandard());
  EXPECT_DOUBLE_EQ(same.DaysAt(tt + 3650.0), GetDeltat(GetT(tt + 3650.0)) / 86400.0);

  const double ut = tt - standard - 1.1e-6;
  const TDeltaTRule own = TDeltaTRule::ForView(ut, tt);
  EXPECT_FALSE(own.IsStandard());
  EXPECT_DOUBLE_EQ(own.DaysAt(tt + 3650.0), tt - ut);
  EXPECT_DOUBLE_EQ(own.UtOf(tt), ut);
}

}  // namespace
