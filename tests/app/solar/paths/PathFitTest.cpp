// The path fits against their own position functions: the Moon, a planet and stars within
// 2" everywhere, segments as long as that allows and never longer than 8 degrees.
#include "PathFit.h"

#include "PathTestSupport.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace velarion::paths;
using velarion::solar::TBody;

double T(int day, int month, int year) { return GetT(MJD(day, month, year, 0.0)); }

struct TFitCase {
  std::string name;
  TPathPositionSource source;
  double t0;
  double t1;
  std::size_t mostSegments;
};

class PathFitAccuracy : public testing::TestWithParam<TFitCase> {};

TEST_P(PathFitAccuracy, StaysWithinTwoArcsecondsOfThePositionFunction) {
  const TFitCase& c = GetParam();
  const TPathFit fit = FitPath(c.t0, c.t1, c.source, {});
  ASSERT_FALSE(fit.cancelled);
  ASSERT_FALSE(fit.segments.empty());
  EXPECT_LE(fit.segments.size(), c.mostSegments);
  // The chain covers the span without gaps or overlaps.
  EXPECT_EQ(fit.segments.front().span.tStart, c.t0);
  EXPECT_EQ(fit.segments.back().span.tEnd, c.t1);
  for (std::size_t i = 1; i < fit.segments.size(); ++i) {
    EXPECT_EQ(fit.segments[i].span.tStart, fit.segments[i - 1].span.tEnd) << i;
  }
  const double worst = veltest::WorstErrorArcsec(
      [&fit](double t) { return PlaceOnPath(fit.segments, t); }, c.source, c.t0, c.t1);
  EXPECT_LT(worst, 2.0);
}

INSTANTIATE_TEST_SUITE_P(
    Objects, PathFitAccuracy,
    testing::Values(TFitCase{"MoonOverAMonth", veltest::BodySource(TBody::kMoon), T(1, 3, 2024),
                             T(1, 4, 2024), 100},
                    TFitCase{"MarsOverAYear", veltest::BodySource(TBody::kMars), T(1, 1, 2025),
                             T(1, 1, 2026), 60},
                    // Near the pole the right ascension of date turns fast.
                    TFitCase{"StarNearThePoleOverACentury", veltest::StarSource({37.95, 89.26}),
                             T(1, 1, 1950), T(1, 1, 2050), 16},
                    TFitCase{"StarOverACentury", veltest::StarSource({101.29, -16.72}),
                             T(1, 1, 1950), T(1, 1, 2050), 4},
                    TFitCase{"StarOverAYear", veltest::StarSource({279.23, 38.78}), T(1, 1, 2024),
                             T(1, 1, 2025), 2}),
    [](const testing::TestParamInfo<TFitCase>& info) { return info.param.name; });

TEST(PathFit, TheMoonsSegmentsSpanLessThanEightDegrees) {
  const TPathPositionSource moon = veltest::BodySource(TBody::kMoon);
  const TPathFit fit = FitPath(T(1, 3, 2024), T(1, 4, 2024), moon, {});
  // A month of the Moon is about 400 degrees of motion.
  ASSERT_GE(fit.segments.size(), 50u);
  for (const TPathSegment& s : fit.segments) {
    const TSkyPlace start = veltest::ErfaJ2000(*moon(s.span.tStart));
    const TSkyPlace end = veltest::ErfaJ2000(*moon(s.span.tEnd));
    EXPECT_LT(veltest::SeparationArcsec(start, end), 8.0 * 3600.0);
  }
}

TEST(PathFit, AnEmptySpanHasNoSegments) {
  int asked = 0;
  const TPathPositionSource counted = [&asked](double t) -> std::optional<TPlaceOfEquinox> {
    ++asked;
    return TPlaceOfEquinox{10.0, 20.0, t};
  };
  for (const double t1 : {0.24, 0.2}) {
    const TPathFit fit = FitPath(0.24, t1, counted, {});
    EXPECT_TRUE(fit.segments.empty());
    EXPECT_FALSE(fit.cancelled);
  }
  EXPECT_EQ(asked, 0);
}

TEST(PathFit, ProgressRisesToAHundredAndCancelStopsTheFit) {
  const TPathPositionSource moon = veltest::BodySource(TBody::kMoon);
  std::vector<int32_t> heard;
  const TPathFit whole = FitPath(T(1, 3, 2024), T(1, 4, 2024), moon, [&heard](int32_t percent) {
    heard.push_back(percent);
    return true;
  });
  ASSERT_FALSE(heard.empty());
  EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()));
  EXPECT_EQ(heard.back(), 100);
  EXPECT_EQ(heard.size(), whole.segments.size());

  int asked = 0;
  const TPathPositionSource counted = [&](double t) {
    ++asked;
    return moon(t);
  };
  int reports = 0;
  int askedWhenCancelled = 0;
  const TPathFit cancelled = FitPath(T(1, 3, 2024), T(1, 4, 2024), counted, [&](int32_t) {
    askedWhenCancelled = asked;
    return ++reports < 3;
  });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(reports, 3);
  EXPECT_EQ(asked, askedWhenCancelled);  // not one place more
  EXPECT_EQ(cancelled.segments.size(), 3u);
}

}  // namespace
