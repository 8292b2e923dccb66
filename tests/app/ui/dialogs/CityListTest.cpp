// The city list, its editor and "city.dat" as the place dialog reads and rewrites it.
#include "CityList.h"
#include "Cp1251.h"
#include "EditCity.h"
#include "FakeDialogs.h"
#include "PlaceText.h"
#include "ViewCity.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velarion::ui {
namespace {

using velplatform::Cp1251;
using velplatform::TMessageAnswer;
using veltest::TDialogScript;
using veltest::TFakeControls;
using veltest::TFakeDialogs;
using TLogic = velplatform::TDialogLogic;

std::string Line(std::string_view utf8Name, std::string_view numbers) {
  std::string name = Cp1251(utf8Name);
  name.resize(34, ' ');
  return name + std::string(numbers) + "\r\n";
}

class CityListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("velarion-dialogs-cities-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    file_ = folder_ / "city.dat";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void WriteFile(const std::string& text) const { std::ofstream(file_, std::ios::binary) << text; }
  std::string FileText() const {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Three cities written in the older one-decimal form, with a blank and a short line
  // between them.
  void WriteThreeCities() const {
    WriteFile(Line("Москва", "  37.6156  55.7522   3.0") + "\r\n" + "Moscow   37.6\r\n" +
              Line("Воронеж", "  39.1951  51.6680   3.0") +
              Line("Катманду", "  85.3206  27.7017  5.75"));
  }

  std::filesystem::path folder_;
  std::filesystem::path file_;
};

TEST(PlaceTextTest, SidesAndRoundedMinutes) {
  // 39.1951° = 39° 11.706' shows 12'; 51.668° = 51° 40.08'; 0 counts as east and north.
  EXPECT_EQ(LongitudeText(39.1951), Cp1251("39° 12' Вост."));
  EXPECT_EQ(LongitudeText(-74.006), Cp1251("74° 0' Зап."));
  EXPECT_EQ(LatitudeText(51.668), Cp1251("51° 40' Сев."));
  EXPECT_EQ(LatitudeText(-33.8679), Cp1251("33° 52' Южн."));
  EXPECT_EQ(TimeZoneText(3.0), Cp1251("3.00 после Гринвича"));
  EXPECT_EQ(TimeZoneText(5.75), Cp1251("5.75 после Гринвича"));
  EXPECT_EQ(TimeZoneText(-3.5), Cp1251("3.50 до Гринвича"));
  EXPECT_EQ(TimeZoneText(0.0), Cp1251("0.00 после Гринвича"));
}

TEST_F(CityListTest, OpeningSkipsLinesThatAreNoCitiesAndSelectsTheCurrentPlace) {
  WriteThreeCities();
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
    EXPECT_EQ(c.ItemCount(TViewCityList::kCityList), 3) << "no city at 0, 0 from the bad lines";
    EXPECT_EQ(c.Item(TViewCityList::kCityList, 2), Cp1251("Катманду"));
    EXPECT_EQ(c.Selected(TViewCityList::kCityList), 1);
    EXPECT_EQ(c.Text(TViewCityList::kLongitudeLabel), Cp1251("39° 12' Вост."));
    EXPECT_EQ(c.Text(TViewCityList::kLatitudeLabel), Cp1251("51° 40' Сев."));
    EXPECT_EQ(c.Text(TViewCityList::kTimeZoneLabel), Cp1251("3.00 после Гринвича"));
    c.Choose(l, TViewCityList::kCityList, 2);
    EXPECT_EQ(c.Text(TViewCityList::kTimeZoneLabel), Cp1251("5.75 после Гринвича"));
    return c.PressOk(l);
  }});
  const std::optional<TCityData> chosen = ShowViewCityList(0, file_, 39.1951, 51.668);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, (TCityData{85.3206, 27.7017, 5.75}));
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(CityListTest, WithoutAnExactPlaceNothingIsSelectedAndOkCancels) {
  WriteThreeCities();
  // 39.19510001 is not the file's 39.1951: only exact places count.
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
    EXPECT_EQ(c.Selected(TViewCityList::kCityList), -1);
    EXPECT_FALSE(c.Enabled(TViewCityList::kEditButton));
    EXPECT_FALSE(c.Enabled(TViewCityList::kDeleteButton));
    EXPECT_FALSE(c.Press(l, TViewCityList::kEditButton));  // nothing to edit: no editor
    return c.PressOk(l);
  }});
  EXPECT_FALSE(ShowViewCityList(0, file_, 39.19510001, 51.668));
  EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST_F(CityListTest, FindingACityByPartOfItsNameInEitherCase) {
  WriteThreeCities();
  const auto find = [](std::string_view utf8) -> TDialogScript {
    return [text = Cp1251(utf8)](TFakeControls& c, TLogic& l) {
      c.Type(l, TFindCityText::kTextEdit, text);
      return c.PressOk(l);
    };
  };
  TFakeDialogs dialogs(
      {[](TFakeControls& c, TLogic& l) {
         c.Press(l, TViewCityList::kFindButton);
         EXPECT_EQ(c.Selected(TViewCityList::kCityList), 2) << "\"тМаН\" is in Катманду";
         c.Press(l, TViewCityList::kFindButton);
         EXPECT_EQ(c.Selected(TViewCityList::kCityList), 2) << "a failed search keeps the choice";
         c.Press(l, TViewCityList::kFindButton);
         EXPECT_EQ(c.Selected(TViewCityList::kCityList), 0) << "the first match: Москва";
         return false;
       },
       find("тМаН"), find("Лондон"), find("  ОСК ")},
      TMessageAnswer::kOk);
  EXPECT_FALSE(ShowViewCityList(0, file_, 0.0, 0.0));
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Город не найден"));
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Ошибка"));
}

TEST_F(CityListTest, AnUnchangedListLeavesTheFileAsItWas) {
  WriteThreeCities();
  const std::string before = FileText();
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
    c.Choose(l, TViewCityList::kCityList, 0);
    return c.PressOk(l);
  }});
  ShowViewCityList(0, file_, 0.0, 0.0);
  EXPECT_EQ(FileText(), before);
}

TEST_F(CityListTest, AddingEditingAndDeletingRewriteTheFileInItsColumns) {
  WriteThreeCities();
  const auto city = [](std::string_view name, std::string_view lon, bool west, std::string_view lat,
                       bool south, std::string_view zone, bool before) -> TDialogScript {
    return [=](TFakeControls& c, TLogic& l) {
      const TPlaceFieldIds& p = TEditCityData::kPlace;
      c.Type(l, TEditCityData::kNameEdit, Cp1251(name));
      c.Type(l, p.longitude, lon);
      c.Click(l, west ? p.west : p.east, true);
      c.Click(l, west ? p.east : p.west, false);
      c.Type(l, p.latitude, lat);
      c.Click(l, south ? p.south : p.north, true);
      c.Click(l, south ? p.north : p.south, false);
      c.Type(l, p.timeZone, zone);
      c.Click(l, before ? p.beforeGreenwich : p.afterGreenwich, true);
      c.Click(l, before ? p.afterGreenwich : p.beforeGreenwich, false);
      return c.PressOk(l);
    };
  };
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          c.Choose(l, TViewCityList::kCityList, 0);
                          c.Press(l, TViewCityList::kAddButton);  // after Москва
                          EXPECT_EQ(c.Selected(TViewCityList::kCityList), 1);
                          EXPECT_EQ(c.Item(TViewCityList::kCityList, 1), Cp1251("Сент-Джонс"));
                          c.Choose(l, TViewCityList::kCityList, 3);
                          c.Press(l, TViewCityList::kEditButton);  // Катманду becomes Kathmandu
                          c.Choose(l, TViewCityList::kCityList, 2);
                          c.Press(l, TViewCityList::kDeleteButton);  // Воронеж, after "yes"
                          EXPECT_EQ(c.ItemCount(TViewCityList::kCityList), 3);
                          return false;  // "В&ыход" still writes the changed list
                        },
                        city("Сент-Джонс", "52.7093", true, "47.5649", false, "3.5", true),
                        city("Kathmandu", "85.3206", false, "27.7017", false, "5.75", false)},
                       TMessageAnswer::kYes);
  EXPECT_FALSE(ShowViewCityList(0, file_, 0.0, 0.0));
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Удалять город?"));
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Предупреждение"));
  EXPECT_EQ(FileText(), Line("Москва", "  37.6156  55.7522  3.00") +
                            Line("Сент-Джонс", " -52.7093  47.5649 -3.50") +
                            Line("Kathmandu", "  85.3206  27.7017  5.75"));
}

TEST_F(CityListTest, TheLinesOfTheFileAreExactlyTheirColumns) {
  // Name padded to 34 characters, longitude and latitude in 9 with 4 decimals, the zone in
  // 6 with 2; a name longer than its 33 bytes is cut there by the editor already.
  const std::string longName = "Сан-Фернандо-дель-Валье-де-Катамарка";
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          c.Press(l, TViewCityList::kAddButton);
                          c.Press(l, TViewCityList::kAddButton);
                          EXPECT_EQ(c.Item(TViewCityList::kCityList, 1),
                                    Cp1251("Сан-Фернандо-дель-Валье-де-Катама"));
                          return c.PressOk(l);
                        },
                        [](TFakeControls& c, TLogic& l) {
                          c.Type(l, TEditCityData::kNameEdit, Cp1251("Воронеж"));
                          c.Type(l, TEditCityData::kPlace.longitude, "39.1951");
                          c.Type(l, TEditCityData::kPlace.latitude, "51.668");
                          c.Type(l, TEditCityData::kPlace.timeZone, "3");
                          return c.PressOk(l);
                        },
                        [&](TFakeControls& c, TLogic& l) {
                          c.Type(l, TEditCityData::kNameEdit, Cp1251(longName));
                          c.Type(l, TEditCityData::kPlace.longitude, "65.7833");
                          c.Click(l, TEditCityData::kPlace.west, true);
                          c.Click(l, TEditCityData::kPlace.east, false);
                          c.Type(l, TEditCityData::kPlace.latitude, "28.4667");
                          c.Click(l, TEditCityData::kPlace.south, true);
                          c.Click(l, TEditCityData::kPlace.north, false);
                          c.Type(l, TEditCityData::kPlace.timeZone, "3");
                          c.Click(l, TEditCityData::kPlace.beforeGreenwich, true);
                          c.Click(l, TEditCityData::kPlace.afterGreenwich, false);
                          return c.PressOk(l);
                        }});
  // A missing file is an empty list without a message, made when a city is added.
  ShowViewCityList(0, file_, 0.0, 0.0);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(FileText(), Cp1251("Воронеж") + std::string(27, ' ') + "  39.1951  51.6680  3.00\r\n" +
                            Cp1251("Сан-Фернандо-дель-Валье-де-Катама") +
                            "  -65.7833 -28.4667 -3.00\r\n");
}

TEST_F(CityListTest, AFailedRewriteIsReported) {
  const std::filesystem::path nowhere = folder_ / "no-such-folder" / "city.dat";
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          c.Press(l, TViewCityList::kAddButton);
                          return c.PressOk(l);
                        },
                        [](TFakeControls& c, TLogic& l) {
                          c.Type(l, TEditCityData::kNameEdit, "X");
                          return c.PressOk(l);
                        }});
  ShowViewCityList(0, nowhere, 0.0, 0.0);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Ошибка"));
  EXPECT_NE(dialogs.Messages()[0].text.find("city.dat"), std::string::npos);
}

TEST(EditCityTest, NamesAreRequiredAndValuesKeptInTheirRanges) {
  struct TCase {
    const char* lon;
    bool west;
    const char* lat;
    bool south;
    const char* zone;
    bool before;
    TCityData expected;
  };
  const TCase cases[] = {
      {"39.1951", false, "51.668", false, "3", false, {39.1951, 51.668, 3.0}},
      {"-74.006", true, "40.7143", false, "5", true, {-74.006, 40.7143, -5.0}},  // sign from the
                                                                                 // side
      {"200", true, "95", true, "13", true, {-180.0, -90.0, -12.0}},
      {"abc", false, "", false, "15", false, {0.0, 0.0, 14.0}},
      {"85.3206", false, "27.7017", false, "5.75", false, {85.3206, 27.7017, 5.75}},
  };
  for (const TCase& c : cases) {
    TEditCityData form(0, std::nullopt);
    TFakeControls controls(TEditCityData::Layout());
    form.Init(controls);
    EXPECT_TRUE(controls.Checked(TEditCityData::kPlace.afterGreenwich));
    EXPECT_FALSE(controls.PressOk(form)) << "an empty name keeps the editor open";
    controls.Type(form, TEditCityData::kNameEdit, "  Somewhere ");
    const TPlaceFieldIds& p = TEditCityData::kPlace;
    controls.Type(form, p.longitude, c.lon);
    veltest::TFakeControls& k = controls;
    k.SetChecked(p.west, c.west);
    k.SetChecked(p.east, !c.west);
    controls.Type(form, p.latitude, c.lat);
    k.SetChecked(p.south, c.south);
    k.SetChecked(p.north, !c.south);
    controls.Type(form, p.timeZone, c.zone);
    k.SetChecked(p.beforeGreenwich, c.before);
    k.SetChecked(p.afterGreenwich, !c.before);
    ASSERT_TRUE(controls.PressOk(form));
    EXPECT_EQ(form.City().name, "Somewhere");
    EXPECT_EQ(TCityList::Data(form.City()), c.expected) << c.lon << " " << c.lat << " " << c.zone;
  }
}

TEST(EditCityTest, AnExistingCityIsShownWithItsSides) {
  TEditCityData form(0, TCityEntry{"Honolulu", -157.8583, 21.3069, -10.0});
  TFakeControls c(TEditCityData::Layout());
  form.Init(c);
  EXPECT_EQ(c.Text(TEditCityData::kNameEdit), "Honolulu");
  EXPECT_EQ(c.Text(TEditCityData::kPlace.longitude), "157.85830");
  EXPECT_TRUE(c.Checked(TEditCityData::kPlace.west));
  EXPECT_FALSE(c.Checked(TEditCityData::kPlace.east));
  EXPECT_EQ(c.Text(TEditCityData::kPlace.latitude), "21.30690");
  EXPECT_TRUE(c.Checked(TEditCityData::kPlace.north));
  EXPECT_EQ(c.Text(TEditCityData::kPlace.timeZone), "10.00");
  EXPECT_TRUE(c.Checked(TEditCityData::kPlace.beforeGreenwich));
}

}  // namespace
}  // namespace velarion::ui
