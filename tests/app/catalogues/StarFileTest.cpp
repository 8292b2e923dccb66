// stars.dat as the build made it, checked against the Bright Star Catalogue it came from
// and against the B1875 boundary table.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <sstream>

#include "CatalogueTestSupport.h"
#include "ConstellationNamesFile.h"
#include "StarFile.h"

namespace velarion::catalogues {
namespace {

using test::LoadGenerated;

std::vector<TStarRecord> AllStars() {
  const auto file = LoadGenerated<TStarFile>("stars.dat");
  std::vector<TStarRecord> stars;
  for (std::size_t i = 0; i < file.Count(); ++i) {
    stars.push_back(*file.Record(i));
  }
  return stars;
}

// HR numbers of the catalogue entries that have a position (bytes 76-90 not blank).
std::set<int> CataloguedWithPosition() {
  std::istringstream in(test::ReadWholeFile(test::kSourcesDir / "bsc5" / "catalog.dat"));
  std::set<int> numbers;
  std::string line;
  while (std::getline(in, line)) {
    line.resize(197, ' ');
    if (line.substr(75, 15).find_first_not_of(' ') != std::string::npos) {
      numbers.insert(std::stoi(line.substr(0, 4)));
    }
  }
  return numbers;
}

TEST(StarFileTest, HoldsEveryCatalogueStarWithAPositionOnceFaintestFirst) {
  const std::vector<TStarRecord> stars = AllStars();
  ASSERT_EQ(stars.size(), 9096u);
  std::set<int> numbers;
  for (std::size_t i = 0; i < stars.size(); ++i) {
    numbers.insert(stars[i].hr);
    if (i > 0) {
      EXPECT_LE(stars[i].magnitudeCenti, stars[i - 1].magnitudeCenti) << "HR " << stars[i].hr;
    }
  }
  EXPECT_EQ(numbers, CataloguedWithPosition());
  EXPECT_EQ(stars.back().hr, 2491) << "Sirius, the brightest, comes last";
}

// Values read off the catalogue's lines by hand: RA 0.1 s of time becomes whole arcsec
// (halves up); proper motion in RA is stored as the rate of RA, so that rate times cos dec
// gives back the catalogue's mu_alpha cos delta to the rounding of the stored value (for
// Polaris the rate is 77 times the catalogue's 38 mas/yr).
struct TStarCase {
  const char* what;
  int hr;
  int32_t raArcsec;
  int32_t decArcsec;
  double pmRaCosDecMas;
  int pmDecMas;
  int magnitude;
  int colourIndex;
  const char* constellation;
  int flamsteed;
  char bayerLetter;
  char bayerIndex;
  int parallaxMas;
  const char* spectralClassStart;
};

const TStarCase kStarCases[] = {
    {"Sirius", 2491, 364634, -60178, -553, -1205, -146, 0, "CMa", 9, 'a', ' ', 375, "A1Vm"},
    {"Vega", 7001, 1005245, 139621, 202, 286, 3, 0, "Lyr", 3, 'a', ' ', 123, "A0Va"},
    {"Polaris", 424, 136631, 321351, 38, -15, 202, 60, "UMi", 1, 'a', ' ', 7, "F7:Ib-II"},
    {"alpha1 Cen", 5459, 791639, -219007, -3642, 699, -1, 71, "Cen", 0, 'a', '1', 751, "G2V"},
    {"alpha2 Cen", 5460, 791642, -219008, -3646, 700, 133, 88, "Cen", 0, 'a', '2', 751, "K1V"},
    {"pi5 Ori", 1567, 264827, 8786, 0, 0, 372, -18, "Ori", 8, 'p', '5', 3, "B3III+B0V"},
    {"alpha Ser, Caput", 5854, 849842, 23132, 137, 47, 265, 117, "Ser1", 24, 'a', ' ', 53,
     "K2IIIbCN1"},
    {"theta1 Ser, Cauda", 7141, 1022598, 15133, 49, 31, 462, 17, "Ser2", 63, 'q', '1', 30, "A5V"},
    {"eta Ser, Cauda", 6869, 991179, -10436, -547, -700, 326, 94, "Ser2", 58, 'h', ' ', 58,
     "K0III-IV"},
};

TEST(StarFileTest, SpotChecksAgreeWithTheCatalogue) {
  const auto names = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  std::map<int, TStarRecord> byHr;
  for (const TStarRecord& star : AllStars()) {
    byHr[star.hr] = star;
  }
  for (const TStarCase& c : kStarCases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(byHr.count(c.hr));
    const TStarRecord& s = byHr[c.hr];
    EXPECT_EQ(s.raArcsec, c.raArcsec);
    EXPECT_EQ(s.decArcsec, c.decArcsec);
    const double cosDec = std::cos(s.decArcsec / 3600.0 * std::numbers::pi / 180.0);
    EXPECT_NEAR(s.pmRaMasPerYear * cosDec, c.pmRaCosDecMas, 0.5 * cosDec + 1e-9);
    EXPECT_EQ(s.pmDecMasPerYear, c.pmDecMas);
    EXPECT_EQ(s.magnitudeCenti, c.magnitude);
    EXPECT_EQ(s.colourIndexCenti, c.colourIndex);
    EXPECT_EQ(names.Record(s.constellation - 1u).value().abbreviation, c.constellation);
    EXPECT_EQ(s.flamsteed, c.flamsteed);
    EXPECT_EQ(s.bayerLetter, c.bayerLetter == ' ' ? 0 : c.bayerLetter);
    EXPECT_EQ(s.bayerIndex, c.bayerIndex);
    EXPECT_EQ(s.parallaxMas, c.parallaxMas);
    EXPECT_EQ(s.spectralClass.size(), 18u);
    EXPECT_EQ(s.spectralClass.rfind(c.spectralClassStart, 0), 0u) << s.spectralClass;
  }
}

TEST(StarFileTest, OtherDesignationsAreVariableOrLatinLetterNames) {
  struct TCase {
    int hr;
    const char* designation;
  };
  // HR 5 is V640 Cas, HR 3335 VV Pyx (4" inside Puppis, named in Pyxis), HR 1850 and
  // Sirius have none; Vega's variable-star field holds its Bayer name, which is not kept.
  const TCase cases[] = {{5, " V640 Cas"},
                         {3335, "   VV Pyx"},
                         {1850, "         "},
                         {2491, "         "},
                         {7001, "         "}};
  std::map<int, TStarRecord> byHr;
  for (const TStarRecord& star : AllStars()) {
    byHr[star.hr] = star;
  }
  for (const TCase& c : cases) {
    EXPECT_EQ(byHr.at(c.hr).designation, c.designation) << "HR " << c.hr;
  }
  const auto names = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  EXPECT_EQ(names.Record(byHr.at(3335).constellation - 1u)->abbreviation, "Pyx");
  EXPECT_EQ(names.Record(byHr.at(5).constellation - 1u)->abbreviation, "Cas");
}

TEST(StarFileTest, EveryStarLiesInItsConstellationOfTheB1875Table) {
  const test::TRegionTable table;
  const auto names = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  int onBoundary = 0;
  for (const TStarRecord& star : AllStars()) {
    ASSERT_GE(star.constellation, 1);
    ASSERT_LE(star.constellation, 89);
    const std::string given = names.Record(star.constellation - 1u)->abbreviation;
    const test::TPlaceCode place =
        test::CodeAtJ2000(table, star.raArcsec / 3600.0, star.decArcsec / 3600.0, 10.0);
    if (given != place.code) {
      EXPECT_TRUE(place.nearBoundary)
          << "HR " << star.hr << " in " << given << ", table " << place.code;
      ++onBoundary;
    }
  }
  EXPECT_LE(onBoundary, 3) << "only a few stars sit on a boundary";
}

}  // namespace
}  // namespace velarion::catalogues
