// CONSTELL.DAT as the build made it: the 89 objects in their order, their names, and label
// places inside their own constellations.
#include <gtest/gtest.h>

#include <sstream>

#include "CatalogueTestSupport.h"
#include "ConstellationNamesFile.h"

namespace velarion::catalogues {
namespace {

using test::Cp1251;
using test::LoadGenerated;

TEST(ConstellationNamesFileTest, HoldsTheIauListInOrderWithSerpensInTwoParts) {
  std::istringstream in(
      test::ReadWholeFile(test::kSourcesDir / "constellation-regions" / "constellation_names.dat"));
  std::vector<std::string> expected;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    const std::string iau = line.substr(0, 3);
    if (iau == "Ser") {
      expected.insert(expected.end(), {"Ser1", "Ser2"});
    } else {
      expected.push_back(iau);
    }
  }
  const auto file = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  ASSERT_EQ(file.Count(), 89u);
  ASSERT_EQ(expected.size(), 89u);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(file.Record(i)->abbreviation, expected[i]) << "object " << i + 1;
  }
}

TEST(ConstellationNamesFileTest, NamesInBothLanguagesAndCases) {
  struct TCase {
    std::size_t object;
    const char* russian;
    const char* russianGenitive;
    const char* latin;
    const char* latinGenitive;
  };
  const TCase cases[] = {
      {1, "Андромеда", "Андромеды", "Andromeda", "Andromedae"},
      {7, "Овен", "Овна", "Aries", "Arietis"},
      {9, "Волопас", "Волопаса", "Bootes", "Bootis"},
      {14, "Большой Пёс", "Большого Пса", "Canis Major", "Canis Majoris"},
      {26, "Южная Корона", "Южной Короны", "Corona Australis", "Coronae Australis"},
      {30, "Южный Крест", "Южного Креста", "Crux", "Crucis"},
      {46, "Лев", "Льва", "Leo", "Leonis"},
      {76, "Голова Змеи", "Змеи", "Serpens Caput", "Serpentis"},
      {77, "Хвост Змеи", "Змеи", "Serpens Cauda", "Serpentis"},
      {82, "Южный Треугольник", "Южного Треугольника", "Triangulum Australe",
       "Trianguli Australis"},
      {84, "Большая Медведица", "Большой Медведицы", "Ursa Major", "Ursae Majoris"},
  };
  const auto file = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  for (const TCase& c : cases) {
    const TConstellationNames names = file.Record(c.object - 1).value();
    EXPECT_EQ(names.russian, Cp1251(c.russian)) << c.latin;
    EXPECT_EQ(names.russianGenitive, Cp1251(c.russianGenitive)) << c.latin;
    EXPECT_EQ(names.latin, c.latin);
    EXPECT_EQ(names.latinGenitive, c.latinGenitive);
  }
  for (std::size_t i = 0; i < file.Count(); ++i) {
    const TConstellationNames names = *file.Record(i);
    // Other groups receive the names in 20-byte fields with a terminating zero.
    for (const std::string& text :
         {names.russian, names.russianGenitive, names.latin, names.latinGenitive}) {
      EXPECT_FALSE(text.empty()) << names.abbreviation;
      EXPECT_LE(text.size(), 19u) << names.abbreviation;
    }
  }
}

TEST(ConstellationNamesFileTest, EveryLabelLiesInsideItsConstellation) {
  const test::TRegionTable table;
  const auto file = LoadGenerated<TConstellationNamesFile>("CONSTELL.DAT");
  for (std::size_t i = 0; i < file.Count(); ++i) {
    const TConstellationNames names = *file.Record(i);
    EXPECT_GE(names.labelRaArcmin, 0);
    EXPECT_LT(names.labelRaArcmin, 21600);
    const test::TPlaceCode place =
        test::CodeAtJ2000(table, static_cast<double>(names.labelRaArcmin) / 60.0,
                          static_cast<double>(names.labelDecArcmin) / 60.0, 0.0);
    EXPECT_EQ(place.code, names.abbreviation);
  }
}

}  // namespace
}  // namespace velarion::catalogues
