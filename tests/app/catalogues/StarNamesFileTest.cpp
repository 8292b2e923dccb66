// STARNAME.DAT as the build made it: Russian proper names of stars of the star file, in
// increasing catalogue number.
#include <gtest/gtest.h>

#include <set>

#include "CatalogueTestSupport.h"
#include "StarFile.h"
#include "StarNamesFile.h"

namespace velarion::catalogues {
namespace {

using test::Cp1251;
using test::LoadGenerated;

TEST(StarNamesFileTest, NamesStarsOfTheStarFileInIncreasingNumber) {
  const auto stars = LoadGenerated<TStarFile>("stars.dat");
  std::set<int> numbers;
  for (std::size_t i = 0; i < stars.Count(); ++i) {
    numbers.insert(stars.Record(i)->hr);
  }
  const auto names = LoadGenerated<TStarNamesFile>("STARNAME.DAT");
  ASSERT_GT(names.Count(), 400u);
  for (std::size_t i = 0; i < names.Count(); ++i) {
    const TStarName name = *names.Record(i);
    EXPECT_TRUE(numbers.count(name.hr)) << name.hr;
    EXPECT_FALSE(name.name.empty()) << name.hr;
    if (i > 0) {
      EXPECT_GT(name.hr, names.Record(i - 1)->hr);
    }
  }
}

TEST(StarNamesFileTest, KnownStarsHaveTheirRussianNames) {
  struct TCase {
    int hr;
    const char* name;
  };
  const TCase cases[] = {
      {424, "Полярная"},        {1713, "Ригель"},
      {2061, "Бетельгейзе"},    {2491, "Сириус"},
      {2943, "Процион"},        {3982, "Регул"},
      {5340, "Арктур"},         {5459, "Ригиль Кентаурус"},
      {5460, "Толиман"},        {6134, "Антарес"},
      {7001, "Вега"},           {7557, "Альтаир"},
      {3449, "Северный Ослик"}, {8316, "Гранатовая звезда"},
  };
  const auto names = LoadGenerated<TStarNamesFile>("STARNAME.DAT");
  for (const TCase& c : cases) {
    EXPECT_EQ(names.Find(c.hr), Cp1251(c.name)) << "HR " << c.hr;
  }
  // Nicknames of the source that are not proper names stay out: HR 8086 is 61 Cyg.
  EXPECT_FALSE(names.Find(8086).has_value());
}

}  // namespace
}  // namespace velarion::catalogues
