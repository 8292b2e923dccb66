// CLINES.DAT as the build made it: every segment end sits on a bright star and moves with
// it; Serpens' figures belong to its two parts.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <set>

#include "CatalogueTestSupport.h"
#include "ConstellationNamesFile.h"
#include "FigureLinesFile.h"
#include "StarFile.h"

namespace velarion::catalogues {
namespace {

using test::LoadGenerated;

double DistanceArcmin(int32_t ra1, int32_t dec1, int32_t ra2, int32_t dec2) {
  const double k = std::numbers::pi / 180.0 / 3600.0;
  const double a = std::sin((dec2 - dec1) * k / 2);
  const double b = std::sin((ra2 - ra1) * k / 2);
  const double h = a * a + std::cos(dec1 * k) * std::cos(dec2 * k) * b * b;
  return 2 * std::asin(std::min(1.0, std::sqrt(h))) / k / 60.0;
}

// The star of the file nearest to a place, and its distance in arc-minutes.
std::pair<TStarRecord, double> NearestStar(const std::vector<TStarRecord>& stars, int32_t ra,
                                           int32_t dec) {
  std::pair<TStarRecord, double> best{{}, 1e9};
  for (const TStarRecord& star : stars) {
    if (std::abs(star.decArcsec - dec) > 3600) {
      continue;
    }
    const double d = DistanceArcmin(ra, dec, star.raArcsec, star.decArcsec);
    if (d < best.second) {
      best = {star, d};
    }
  }
  return best;
}

struct TEnd {
  int32_t ra, dec;
  int16_t pmRa, pmDec;
};

TEST(FigureLinesFileTest, EveryEndLiesOnItsStarAndMovesWithIt) {
  const auto stars = LoadGenerated<TStarFile>("stars.dat");
  std::vector<TStarRecord> all;
  for (std::size_t i = 0; i < stars.Count(); ++i) {
    all.push_back(*stars.Record(i));
  }
  const auto lines = LoadGenerated<TFigureLinesFile>("CLINES.DAT");
  ASSERT_EQ(lines.Count(), 743u);
  std::set<int> constellations;
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    const TFigureLine line = *lines.Record(i);
    constellations.insert(line.constellation);
    for (const TEnd& end :
         {TEnd{line.ra1Arcsec, line.dec1Arcsec, line.pmRa1MasPerYear, line.pmDec1MasPerYear},
          TEnd{line.ra2Arcsec, line.dec2Arcsec, line.pmRa2MasPerYear, line.pmDec2MasPerYear}}) {
      const auto [star, distance] = NearestStar(all, end.ra, end.dec);
      EXPECT_LE(distance, 1.0) << "segment " << i;
      EXPECT_EQ(end.pmRa, star.pmRaMasPerYear) << "segment " << i << ", HR " << star.hr;
      EXPECT_EQ(end.pmDec, star.pmDecMasPerYear) << "segment " << i << ", HR " << star.hr;
    }
  }
  EXPECT_EQ(constellations.size(), 89u);
  EXPECT_EQ(*constellations.begin(), 1);
  EXPECT_EQ(*constellations.rbegin(), 89);
}

TEST(FigureLinesFileTest, KnownSegmentsJoinTheirStars) {
  struct TCase {
    const char* what;
    int hr1, hr2;
    const char* constellation;
  };
  const TCase cases[] = {
      {"Orion's belt", 1852, 1903, "Ori"},          {"the Pointers", 4295, 4301, "UMa"},
      {"alpha and epsilon Cen", 5459, 5132, "Cen"}, {"alpha and delta Ser", 5854, 5789, "Ser1"},
      {"eta and theta1 Ser", 6869, 7141, "Ser2"},
  };
  const auto stars = LoadGenerated<TStarFile>("stars.dat");
  std::map<int, TStarRecord> byHr;
  for (std::size_t i = 0; i < stars.Count(); ++i) {
    byHr[stars.Record(i)->hr] = *stars.Record(i);
  }
  const auto names = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  const auto lines = LoadGenerated<TFigureLinesFile>("CLINES.DAT");
  for (const TCase& c : cases) {
    const TStarRecord& a = byHr.at(c.hr1);
    const TStarRecord& b = byHr.at(c.hr2);
    bool found = false;
    for (std::size_t i = 0; i < lines.Count() && !found; ++i) {
      const TFigureLine l = *lines.Record(i);
      const bool forward = l.ra1Arcsec == a.raArcsec && l.dec1Arcsec == a.decArcsec &&
                           l.ra2Arcsec == b.raArcsec && l.dec2Arcsec == b.decArcsec;
      const bool backward = l.ra1Arcsec == b.raArcsec && l.dec1Arcsec == b.decArcsec &&
                            l.ra2Arcsec == a.raArcsec && l.dec2Arcsec == a.decArcsec;
      if (forward || backward) {
        found = true;
        EXPECT_EQ(names.Record(l.constellation - 1u)->abbreviation, c.constellation) << c.what;
      }
    }
    EXPECT_TRUE(found) << c.what;
  }
}

}  // namespace
}  // namespace velarion::catalogues
