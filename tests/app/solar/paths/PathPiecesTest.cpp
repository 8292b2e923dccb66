// The pieces a path fit is made of: the Chebyshev series on their widened span, a segment
// across 0h, the position cache and the precession to J2000.0 with its kept matrix.
#include "ChebyshevFit.h"
#include "J2000Precession.h"
#include "PathSegment.h"
#include "PathTestSupport.h"
#include "PositionCache.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace velarion::paths;

TEST(ChebyshevFit, TheOutermostNodesFallOnTheSpansEnds) {
  for (const TTimeSpan span : {TTimeSpan{0.0, 1.0}, TTimeSpan{-3.5, -3.49}, TTimeSpan{0.25, 0.3}}) {
    const TNodeValues nodes = NodeTimes(span);
    EXPECT_NEAR(nodes.front(), span.tEnd, 1e-15);
    EXPECT_NEAR(nodes.back(), span.tStart, 1e-15);
    EXPECT_TRUE(std::is_sorted(nodes.rbegin(), nodes.rend()));
  }
}

TEST(ChebyshevFit, SevenNodesReproduceAPolynomialOfDegreeSix) {
  const auto p = [](double t) {
    return 3.0 - 2.0 * t + 0.5 * t * t - t * t * t + 0.25 * std::pow(t, 4) -
           0.125 * std::pow(t, 5) + 0.0625 * std::pow(t, 6);
  };
  const TTimeSpan span{-0.7, 1.3};
  const TNodeValues times = NodeTimes(span);
  TNodeValues values{};
  for (std::size_t k = 0; k < kChebyshevNodes; ++k) values[k] = p(times[k]);
  const TChebyshevSeries series = FitChebyshev(values);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> moment(span.tStart, span.tEnd);
  for (int i = 0; i < 50; ++i) {
    const double t = moment(random);
    EXPECT_NEAR(EvaluateChebyshev(series, ChebyshevArgument(span, t)), p(t), 1e-12) << t;
  }
}

TEST(PathSegment, RightAscensionRunsOnAcrossZeroHours) {
  // 350 degrees at the start to 370 (10) at the end, the declination falling.
  const TTimeSpan span{0.0, 1.0};
  const TNodeValues times = NodeTimes(span);
  TNodePlaces places{};
  for (std::size_t k = 0; k < kChebyshevNodes; ++k) {
    places[k] = {std::fmod(350.0 + 20.0 * times[k] + 360.0, 360.0), 5.0 - times[k]};
  }
  const TPathSegment segment = FitSegment(span, places);
  for (const double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
    const TSkyPlace place = PlaceOnSegment(segment, t);
    EXPECT_NEAR(place.raDeg, std::fmod(350.0 + 20.0 * t, 360.0), 1e-9) << t;
    EXPECT_NEAR(place.decDeg, 5.0 - t, 1e-9) << t;
  }
}

TEST(PathSegment, TheSegmentOfAMomentInAChainWithAGap) {
  std::vector<TPathSegment> chain(3);
  chain[0].span = {0.0, 1.0};
  chain[1].span = {1.0, 2.0};
  chain[2].span = {3.0, 4.0};
  EXPECT_EQ(SegmentAt(chain, 0.0), &chain[0]);
  EXPECT_EQ(SegmentAt(chain, 1.5), &chain[1]);
  EXPECT_EQ(SegmentAt(chain, 2.5), nullptr);
  EXPECT_EQ(SegmentAt(chain, 4.0), &chain[2]);
  EXPECT_EQ(SegmentAt(chain, 4.0 + 1e-13), nullptr);
  EXPECT_EQ(SegmentAt(chain, 4.0 + 1e-13, 1e-12), &chain[2]);
  EXPECT_EQ(SegmentAt(chain, -1e-13, 1e-12), &chain[0]);
}

TEST(PositionCache, EachMomentIsComputedOnceUntilFiftyOthersFollow) {
  std::vector<double> computed;
  TPositionCache cache([&computed](double t) -> TPlaceSample {
    computed.push_back(t);
    if (t < 0.0) return std::nullopt;
    return TSkyPlace{t, 0.0};
  });
  EXPECT_FALSE(cache.At(-1.0).has_value());
  EXPECT_FALSE(cache.At(-1.0 + 1e-10).has_value());  // a failure is kept too
  EXPECT_EQ(cache.At(0.5, 0.01)->raDeg, 0.5);
  EXPECT_EQ(cache.At(0.505, 0.01)->raDeg, 0.5);  // within the tolerance asked for
  EXPECT_EQ(computed.size(), 2u);
  ASSERT_TRUE(cache.Find(0.509, 0.01).has_value());
  EXPECT_EQ(cache.Find(0.509, 0.01)->tCenturies, 0.5);
  EXPECT_FALSE(cache.Find(0.52, 0.01).has_value());
  // Forty-eight more fill the ring; the next one overwrites the oldest, -1.
  for (int i = 1; i <= 48; ++i) cache.At(i);
  EXPECT_EQ(computed.size(), 50u);
  EXPECT_TRUE(cache.Find(-1.0, 0.0).has_value());
  cache.At(100.0);
  EXPECT_FALSE(cache.Find(-1.0, 0.0).has_value());
  EXPECT_TRUE(cache.Find(0.5, 0.0).has_value());
}

// Places where precession moves stars fastest (on the ecliptic) and near the pole.
const TSkyPlace kStars[] = {{0.0, 0.0}, {90.0, 23.44}, {180.0, 0.0}, {37.95, 89.26}};

TEST(J2000Precession, AKeptMatrixMisplacesNoStarByMoreThanATenthOfAnArcsecond) {
  for (const TSkyPlace& star : kStars) {
    TJ2000Precession precession;
    // The matrix made for T 1.5, then used for equinoxes just within its tolerance.
    for (const double equinox : {1.5, 1.5 + 0.999 * TJ2000Precession::kEquinoxTolerance,
                                 1.5 - 0.999 * TJ2000Precession::kEquinoxTolerance, 3.0}) {
      const TSkyPlace j2000 = precession.ToJ2000(veltest::ErfaPlaceOfDate(star, equinox));
      EXPECT_LT(veltest::SeparationArcsec(j2000, star), 0.11) << star.raDeg << " " << equinox;
    }
  }
}

}  // namespace
