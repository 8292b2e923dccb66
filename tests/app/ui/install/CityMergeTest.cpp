// The shipped city list merged into the user's: whole names decide, the user's lines stay.
#include "CityMerge.h"

#include "CityFile.h"
#include "Cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using velarion::install::MergeCities;
using velplatform::Cp1251;

std::string City(std::string_view utf8Name, double longitude = 10.0) {
  return velarion::catalogues::TCityFile::Format(
      std::vector{velarion::catalogues::TCityRecord{Cp1251(utf8Name), longitude, 50.0, 3.0}});
}

struct TMergeCase {
  std::string name;
  std::string user;
  std::string shipped;
  std::string expected;
  std::size_t inserted;
};

TEST(CityMerge, InsertsMissingCitiesInPlaceAndKeepsTheUsersLines) {
  const std::string userMoscow = City("Москва", 37.6);  // the user's own coordinates
  const std::vector<TMergeCase> cases = {
      {"same first word, other city", City("Нью Йорк"), City("Нью Дели"),
       City("Нью Дели") + City("Нью Йорк"), 1},
      {"every city present", userMoscow + City("Омск"), City("Москва") + City("Омск"),
       userMoscow + City("Омск"), 0},
      {"in alphabetical place", City("Абакан") + City("Ярославль"), City("Омск"),
       City("Абакан") + City("Омск") + City("Ярославль"), 1},
      {"before every city", City("Омск"), City("Абакан"), City("Абакан") + City("Омск"), 1},
      {"into an empty list", "", City("Омск"), City("Омск"), 1},
      {"last line without its end", "Omsk" + std::string(29, ' ') + City("Omsk").substr(33, 24),
       City("Tomsk"),
       "Omsk" + std::string(29, ' ') + City("Omsk").substr(33, 24) + "\r\n" + City("Tomsk"), 1},
      {"a damaged user line is kept", "garbage\r\n" + City("Омск"), City("Абакан"),
       "garbage\r\n" + City("Абакан") + City("Омск"), 1},
  };
  for (const TMergeCase& c : cases) {
    const auto merge = MergeCities(c.user, c.shipped);
    EXPECT_EQ(merge.text, c.expected) << c.name;
    EXPECT_EQ(merge.inserted, c.inserted) << c.name;
  }
}

TEST(CityMerge, InsertedLinesTakeTheUsersLineEnds) {
  std::string user = City("Абакан");
  user.erase(user.size() - 2, 1);  // "\r\n" becomes "\n"
  const auto merge = MergeCities(user, City("Омск"));
  EXPECT_EQ(merge.text.find('\r'), std::string::npos);
}

}  // namespace
