// Sources that cannot always tell the place, and a path through the pole: the fit ends,
// leaves gaps where the place was unknown and stays true wherever it has a place.
#include "PathFit.h"

#include "PathTestSupport.h"
#include "Units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace velarion::paths;

// A place moving 1 degree a day along the equator, from RA 100 at T 0.
std::optional<TPlaceOfEquinox> Moving(double t) {
  return TPlaceOfEquinox{100.0 + t * velcommon::kDaysPerCentury, 0.0, 0.0};
}

constexpr double kDay = 1.0 / velcommon::kDaysPerCentury;

struct TGapCase {
  std::string name;
  double unknownFrom;  // days
  double unknownTo;
};

class PathFitGaps : public testing::TestWithParam<TGapCase> {};

TEST_P(PathFitGaps, UnknownPlacesLeaveAGapAndTheRestIsFitted) {
  const TGapCase& c = GetParam();
  int asked = 0;
  const TPathPositionSource partly = [&](double t) -> std::optional<TPlaceOfEquinox> {
    ++asked;
    if (t >= c.unknownFrom * kDay && t <= c.unknownTo * kDay) return std::nullopt;
    return Moving(t);
  };
  const TPathFit fit = FitPath(0.0, 40.0 * kDay, partly, {});
  EXPECT_FALSE(fit.cancelled);
  // Bisection down to the shortest span at each edge of the gap, not all over it.
  EXPECT_LT(asked, 3000);
  ASSERT_FALSE(fit.segments.empty());
  for (const TPathSegment& s : fit.segments) {
    // No segment reaches into the gap, so none is drawn through (0, 0) or across it.
    EXPECT_FALSE(s.span.tEnd > c.unknownFrom * kDay + 1e-9 &&
                 s.span.tStart < c.unknownTo * kDay - 1e-9)
        << s.span.tStart / kDay << " .. " << s.span.tEnd / kDay;
    for (const double t : {s.span.tStart, (s.span.tStart + s.span.tEnd) / 2.0, s.span.tEnd}) {
      const TSkyPlace truth = veltest::ErfaJ2000(*Moving(t));
      EXPECT_LT(veltest::SeparationArcsec(PlaceOnSegment(s, t), truth), 2.0);
    }
  }
  // Fitted up to within ten seconds of the gap (the cache takes moments 0.6 s apart as one).
  const auto covered = [&fit](double day) {
    return SegmentAt(fit.segments, day * kDay) != nullptr;
  };
  EXPECT_EQ(covered(c.unknownFrom - 1e-4), c.unknownFrom > 0.0);
  EXPECT_EQ(covered(c.unknownTo + 1e-4), c.unknownTo < 40.0);
  EXPECT_FALSE(covered((c.unknownFrom + c.unknownTo) / 2.0));
}

INSTANTIATE_TEST_SUITE_P(Sources, PathFitGaps,
                         testing::Values(TGapCase{"SecondHalfUnknown", 20.0, 50.0},
                                         TGapCase{"FirstHalfUnknown", -10.0, 20.0},
                                         TGapCase{"InnerDaysUnknown", 13.3, 17.9}),
                         [](const testing::TestParamInfo<TGapCase>& info) {
                           return info.param.name;
                         });

TEST(PathFit, NothingKnownGivesNoSegments) {
  int asked = 0;
  const TPathFit fit = FitPath(0.0, 1.0,
                               [&asked](double) -> std::optional<TPlaceOfEquinox> {
                                 ++asked;
                                 return std::nullopt;
                               },
                               {});
  EXPECT_TRUE(fit.segments.empty());
  EXPECT_LE(asked, 7);
}

// Along the meridian of RA 30 / 210 over the north pole, which it passes exactly at T 0,
// 2 degrees a day.
std::optional<TPlaceOfEquinox> OverThePole(double t) {
  const double along = 2.0 * t * velcommon::kDaysPerCentury;  // degrees from the pole
  return TPlaceOfEquinox{along < 0.0 ? 30.0 : 210.0, 90.0 - std::fabs(along), 0.0};
}

TEST(PathFit, APassExactlyOverThePoleEnds) {
  int asked = 0;
  const TPathPositionSource counted = [&asked](double t) {
    ++asked;
    return OverThePole(t);
  };
  const TPathFit fit = FitPath(-3.0 * kDay, 3.0 * kDay, counted, {});
  EXPECT_FALSE(fit.cancelled);
  EXPECT_LT(asked, 3000);
  ASSERT_FALSE(fit.segments.empty());
  EXPECT_EQ(fit.segments.front().span.tStart, -3.0 * kDay);
  EXPECT_EQ(fit.segments.back().span.tEnd, 3.0 * kDay);
  const double worst =
      veltest::WorstErrorArcsec([&fit](double t) { return PlaceOnPath(fit.segments, t); },
                                OverThePole, -3.0 * kDay, 3.0 * kDay);
  EXPECT_LT(worst, 2.0);
}

}  // namespace
