// Bounds.dat as the build made it, checked against the B1875 table of Roman (1987): every
// segment runs along an axis, has the two constellations it names on its two sides, and
// the segments of each constellation close up.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "BoundaryFile.h"
#include "CatalogueTestSupport.h"
#include "ConstellationNamesFile.h"

namespace velarion::catalogues {
namespace {

using test::LoadGenerated;

std::vector<TBoundarySegment> AllSegments() {
  const auto file = LoadGenerated<TBoundaryFile>("Bounds.dat");
  std::vector<TBoundarySegment> segments;
  for (std::size_t i = 0; i < file.Count(); ++i) {
    segments.push_back(*file.Record(i));
  }
  return segments;
}

TEST(BoundaryFileTest, SegmentsRunAlongAnAxisBetweenTwoConstellations) {
  const std::vector<TBoundarySegment> segments = AllSegments();
  ASSERT_EQ(segments.size(), 771u);
  std::set<int> constellations;
  for (const TBoundarySegment& s : segments) {
    EXPECT_NE(s.AlongParallel(), s.AlongMeridian()) << s.ra1Arcmin << " " << s.dec1Arcmin;
    for (int ra : {s.ra1Arcmin, s.ra2Arcmin}) {
      EXPECT_GE(ra, 0);
      EXPECT_LE(ra, 21600);
    }
    for (int dec : {s.dec1Arcmin, s.dec2Arcmin}) {
      EXPECT_GE(dec, -5400);
      EXPECT_LE(dec, 5400);
    }
    EXPECT_NE(s.firstConstellation, s.secondConstellation);
    constellations.insert({s.firstConstellation, s.secondConstellation});
  }
  EXPECT_EQ(constellations.size(), 89u);
  EXPECT_EQ(*constellations.begin(), 1);
  EXPECT_EQ(*constellations.rbegin(), 89);
}

TEST(BoundaryFileTest, TheTableHasTheNamedConstellationsOnBothSides) {
  // One arc-minute off the middle of the segment, to either side: the table's limits lie
  // within half an arc-minute of the file's (a few are on half minutes of RA).
  const test::TRegionTable table;
  const auto names = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  auto code = [&](int object) { return names.Record(object - 1u)->abbreviation; };
  for (const TBoundarySegment& s : AllSegments()) {
    std::string first, second;
    if (s.AlongParallel()) {
      const int span = ((s.ra2Arcmin - s.ra1Arcmin) % 21600 + 21600) % 21600;
      const double ra = ((s.ra1Arcmin + span / 2.0) / 900.0);
      const double raHours = ra >= 24.0 ? ra - 24.0 : ra;
      first = table.CodeAt(raHours, (s.dec1Arcmin + 1) / 60.0);   // north
      second = table.CodeAt(raHours, (s.dec1Arcmin - 1) / 60.0);  // south
    } else {
      ASSERT_LT(s.dec1Arcmin, s.dec2Arcmin);
      const double dec = (s.dec1Arcmin + s.dec2Arcmin) / 120.0;
      first = table.CodeAt(((s.ra1Arcmin + 21599) % 21600) / 900.0, dec);  // west
      second = table.CodeAt(((s.ra1Arcmin + 1) % 21600) / 900.0, dec);     // east
    }
    EXPECT_EQ(first, code(s.firstConstellation))
        << s.ra1Arcmin << "," << s.dec1Arcmin << " " << s.ra2Arcmin << "," << s.dec2Arcmin;
    EXPECT_EQ(second, code(s.secondConstellation))
        << s.ra1Arcmin << "," << s.dec1Arcmin << " " << s.ra2Arcmin << "," << s.dec2Arcmin;
  }
}

TEST(BoundaryFileTest, EachConstellationsBoundaryCloses) {
  // Every corner of a region's outline ends two of its segments; 24h is 0h.
  std::map<int, std::map<std::pair<int, int>, int>> ends;
  for (const TBoundarySegment& s : AllSegments()) {
    for (int object : {s.firstConstellation, s.secondConstellation}) {
      ++ends[object][{s.ra1Arcmin % 21600, s.dec1Arcmin}];
      ++ends[object][{s.ra2Arcmin % 21600, s.dec2Arcmin}];
    }
  }
  for (const auto& [object, corners] : ends) {
    for (const auto& [corner, count] : corners) {
      EXPECT_EQ(count % 2, 0) << "object " << object << " at " << corner.first << ","
                              << corner.second;
    }
  }
}

}  // namespace
}  // namespace velarion::catalogues
