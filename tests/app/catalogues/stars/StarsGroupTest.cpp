// The bright-star group without a picture: loading, the record other groups read, names,
// information lines, the common record, search and options.
#include "Stars.h"

#include "Cp1251.h"
#include "FakeDialogs.h"
#include "GroupListExports.h"
#include "ProperNameTable.h"
#include "StarColours.h"
#include "StarDataRecord.h"
#include "StarDesignation.h"
#include "StarOptionsDialog.h"
#include "StarSearchDialog.h"
#include "StarsTestSupport.h"

#include "RiseSet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace velarion::catalogues;
using velplatform::Cp1251;
using veltest::TStarSpec;

// In file order, faintest first.
std::vector<TStarSpec> FixtureStars() {
  TStarSpec hrOnly{.hr = 9001,
                   .raArcsec = 36000,
                   .decArcsec = 180000,
                   .magnitude = 480,
                   .colourIndex = 160,
                   .constellation = 5};
  TStarSpec variable{.hr = 9002,
                     .magnitude = 420,
                     .colourIndex = -1000,
                     .constellation = 1,
                     .flamsteed = 12,
                     .designation = "  V12 Abc"};
  TStarSpec catalogue{.hr = 9003,
                      .magnitude = 300,
                      .colourIndex = 50,
                      .constellation = 1,
                      .flamsteed = 7,
                      .designation = "   BM Abc"};
  TStarSpec otherAbbreviation{.hr = 9004,
                              .magnitude = 250,
                              .colourIndex = -1000,
                              .constellation = 1,
                              .flamsteed = 3,
                              .designation = "   BM Xyz"};
  TStarSpec indexed{
      .hr = 9005, .magnitude = 100, .constellation = 3, .bayerLetter = 'b', .bayerIndex = '2'};
  TStarSpec bright{.hr = 9006,
                   .raArcsec = 360000,
                   .decArcsec = -72000,
                   .pmRa = 1000,
                   .pmDec = -500,
                   .magnitude = -50,
                   .colourIndex = -12,
                   .constellation = 1,
                   .flamsteed = 21,
                   .bayerLetter = 'a',
                   .designation = "   BM Abc",
                   .magnitudeRemark = 'v',
                   .spectralClass = "A1Vm              ",
                   .parallax = 375,
                   .colourIndexRemark = ':',
                   .isDouble = 1,
                   .spectroscopic = 1};
  return {hrOnly, variable, catalogue, otherAbbreviation, indexed, bright};
}

std::vector<veltest::TConstellationSpec> FixtureConstellations() {
  return {{Cp1251("Альфачи"), "Abc"},
          {Cp1251("Голова Змеи"), "Ser1"},
          {Cp1251("Хвост Змеи"), "Ser2"},
          {Cp1251("Дельты"), "Def"}};
}

class StarsGroup : public testing::Test {
 protected:
  void SetUp() override {
    host.Add<veltest::TFakeConstellations>(FixtureConstellations());
    host.Add<veltest::TFakeStarNames>(std::vector<std::pair<int32_t, std::string>>{
        {9003, "Beta Name"}, {9006, "Alfa [remark]"}, {20000, "Far"}});
    stars = &host.Add<TStars>(MakeStarsGroup(folder.Path()));
    ASSERT_TRUE(stars->InitResources(0));
  }
  TStars& Stars() { return static_cast<TStars&>(*stars); }

  veltest::TStarFolder folder{FixtureStars()};
  veltest::THostGroups host;
  velarion::kit::TObjectGroup* stars = nullptr;  // held by the host's list
};

TEST(StarColours, BandsOfTheColourIndex) {
  using velplatform::RgbColor;
  const velplatform::TColor white = RgbColor(255, 255, 255);
  const std::vector<std::pair<int16_t, velplatform::TColor>> cases = {
      {-1000, white},
      {-1001, RgbColor(0, 255, 255)},
      {-1, RgbColor(0, 255, 255)},
      {0, white},
      {49, white},
      {50, RgbColor(255, 255, 0)},
      {99, RgbColor(255, 255, 0)},
      {100, RgbColor(255, 128, 0)},
      {149, RgbColor(255, 128, 0)},
      {150, RgbColor(255, 0, 0)},
      {999, RgbColor(255, 0, 0)},
      {1000, white}};
  for (const auto& [index, colour] : cases) {
    EXPECT_EQ(StarColourForIndex(index), colour) << index;
  }
}

TEST(StarLabels, PrecedenceOfTheDesignations) {
  TStarRecord star;
  star.hr = 42;
  star.designation = "   BM Abc";
  star.flamsteed = 7;
  star.bayerLetter = 'q';
  star.bayerIndex = '2';
  EXPECT_EQ(StarLabel(star, "Abc", "Name"), "\x01\x05Name\x06");
  EXPECT_EQ(StarLabel(star, "Abc", ""),
            "\x02q\x01\x03"
            "2\x04");
  star.bayerIndex = ' ';
  EXPECT_EQ(StarLabel(star, "Abc", ""), "\x02q");
  star.bayerLetter = 0;
  EXPECT_EQ(StarLabel(star, "Abc", ""),
            "\x01\x07"
            "BM\x08");
  EXPECT_EQ(StarLabel(star, "Xyz", ""),
            "\x01\x07"
            "7\x08");  // not its constellation
  EXPECT_EQ(StarLabel(star, "???", ""),
            "\x01\x07"
            "7\x08");              // constellation unknown
  star.designation = "  V12 Abc";  // a variable-star name
  EXPECT_EQ(StarLabel(star, "Abc", ""),
            "\x01\x07"
            "7\x08");
  star.designation = "      Abc";  // nothing to show
  star.flamsteed = 0;
  EXPECT_EQ(StarLabel(star, "Abc", ""),
            "\x01\x07\x05"
            "42\x06\x08");
}

TEST(ProperNames, NumbersOutsideTheTableAreLeftOut) {
  TProperNameTable table;
  table.Set(10000, "Last");
  table.Set(10001, "Beyond");
  table.Set(0, "Zero");
  table.Set(-7, "Negative");
  EXPECT_EQ(table.Find(10000), "Last");
  EXPECT_EQ(table.Find(10001), "");
  EXPECT_EQ(table.Find(0), "");
  EXPECT_EQ(table.Find(-7), "");
  EXPECT_EQ(table.Find(65535), "");
}

TEST(StarsLoading, MissingFileIsReportedAndRefused) {
  veltest::TStarFolder folder({}, "other.dat");
  veltest::TFakeDialogs dialogs;
  velarion::kit::TGroupPtr stars = MakeStarsGroup(folder.Path());
  EXPECT_FALSE(stars->InitResources(0));
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Не могу открыть файл stars.dat"));
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Ошибка"));
  EXPECT_FALSE(stars->ResourcesReady);
}

TEST(StarsLoading, FileFoundWithoutRegardToCaseAndPartialRecordIgnored) {
  veltest::TStarFolder folder(FixtureStars(), "STARS.DAT", 30);
  velarion::kit::TGroupPtr stars = MakeStarsGroup(folder.Path());
  ASSERT_TRUE(stars->InitResources(0));
  EXPECT_EQ(stars->GetObjectCount(), 6);
  EXPECT_TRUE(stars->ResourcesReady);
}

TEST(StarsLoading, ColourOptionIsReadAndWrittenBack) {
  veltest::TStarFolder folder(FixtureStars());
  {
    std::ofstream ini(folder.Ini());
    ini << "[BSC Color]\nStarColorsEnable=1\n";
  }
  velarion::kit::TGroupPtr group = MakeStarsGroup(folder.Path());
  auto& stars = static_cast<TStars&>(*group);
  ASSERT_TRUE(stars.InitResources(0));
  EXPECT_TRUE(stars.ColoursEnabled());
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Click(l, star_options_dialog::kUseColours, false);
    return c.PressOk(l);
  }});
  EXPECT_TRUE(stars.EditOptions(0));
  EXPECT_FALSE(stars.ColoursEnabled());
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251("Параметры BSC5P"));
  group.reset();  // released: the option goes back to the settings
  std::ifstream in(folder.Ini());
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("StarColorsEnable=0"), std::string::npos) << text.str();
}

TEST_F(StarsGroup, OptionsCancelledChangeNothing) {
  veltest::TFakeDialogs dialogs;  // no script: cancel
  EXPECT_FALSE(Stars().EditOptions(0));
  EXPECT_FALSE(Stars().ColoursEnabled());
}

TEST_F(StarsGroup, IdentityOfTheGroup) {
  EXPECT_EQ(stars->Code, "BSC5P");
  EXPECT_EQ(stars->Name, Cp1251("Каталог ярких звезд (Цветн.)"));
  EXPECT_EQ(stars->Version, "2.0");
  EXPECT_EQ(stars->EpochKind, 1);
  EXPECT_EQ(stars->Epoch, 0.0);
  EXPECT_EQ(stars->SearchCaption, Cp1251("звезду в 'K") + Cp1251("аталоге ярких звезд'"));
  EXPECT_EQ(static_cast<unsigned char>(stars->SearchCaption[10]), 'K');  // the Latin letter
  EXPECT_TRUE(stars->HasOptions);
  EXPECT_EQ(stars->InfoItems.Entries(), std::vector<std::string>{Cp1251("Восход/Заход")});
}

TEST_F(StarsGroup, RiseSetCommandShowsTheVisibilityPeriodOfAValidStar) {
  velarion::solar::SetRiseSetViewSource([] {
    return velarion::solar::TRiseSetObserver{55.75, 37.62, 61384.0, 3.0, 6.0};
  });
  veltest::TFakeDialogs dialogs;
  EXPECT_FALSE(stars->AdvancedInfo(0, 0, 1));
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_TRUE(stars->AdvancedInfo(0, 1, 1));
  ASSERT_EQ(dialogs.Shown().size(), 1U);
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251(" Период видимости"));
  velarion::solar::SetRiseSetViewSource(nullptr);
}

TEST_F(StarsGroup, RecordForOtherGroupsHoldsTheFileFields) {
  std::array<std::byte, 60> buffer{};
  buffer.fill(std::byte{0xAA});
  buffer[16] = std::byte{1};
  EXPECT_EQ(stars->GetObjectData(6, std::span(buffer).first(55)), 0);
  EXPECT_EQ(buffer[0], std::byte{0xAA});  // a short buffer is left alone
  ASSERT_EQ(stars->GetObjectData(6, std::span(buffer).first(56)), 56);
  using velplatform::GetField;
  const velplatform::TConstBytes r(buffer);
  EXPECT_EQ(GetField<uint16_t>(r, 0), 9006);
  EXPECT_EQ(GetField<int32_t>(r, 2), 360000);
  EXPECT_EQ(GetField<int32_t>(r, 6), -72000);
  EXPECT_EQ(GetField<int16_t>(r, 10), 1000);
  EXPECT_EQ(GetField<int16_t>(r, 12), -500);
  EXPECT_EQ(GetField<int16_t>(r, 14), -50);
  EXPECT_EQ(GetField<uint8_t>(r, 16), 1);  // the caller's byte stays
  EXPECT_EQ(GetField<int16_t>(r, 17), -12);
  EXPECT_EQ(GetField<uint8_t>(r, 19), 1);
  EXPECT_EQ(GetField<uint8_t>(r, 20), 21);
  EXPECT_EQ(GetField<char>(r, 21), 'a');
  EXPECT_EQ(GetField<char>(r, 22), ' ');
  EXPECT_EQ(velplatform::GetRawText(r, 23, 9), "   BM Abc");
  EXPECT_EQ(GetField<char>(r, 32), 'v');
  EXPECT_EQ(velplatform::GetRawText(r, 33, 18), "A1Vm              ");
  EXPECT_EQ(GetField<int16_t>(r, 51), 375);
  EXPECT_EQ(GetField<char>(r, 53), ':');
  EXPECT_EQ(GetField<uint8_t>(r, 54), 1);
  EXPECT_EQ(GetField<uint8_t>(r, 55), 1);
  EXPECT_EQ(buffer[56], std::byte{0xAA});  // nothing beyond the record
}

TEST_F(StarsGroup, RecordWithoutTheRequestByteHoldsOnlyTheFirstSixteenBytes) {
  std::array<std::byte, 56> buffer{};
  buffer.fill(std::byte{0xAA});
  buffer[16] = std::byte{0};
  ASSERT_EQ(GetAnotherGroupObject("BSC5P", 3, buffer.data(), 56), 56);  // as other groups read it
  EXPECT_EQ(velplatform::GetField<uint16_t>(buffer, 0), 9003);
  EXPECT_EQ(velplatform::GetField<int16_t>(buffer, 14), 300);
  for (std::size_t i = 17; i < 56; ++i) EXPECT_EQ(buffer[i], std::byte{0xAA}) << i;
  EXPECT_EQ(stars->GetObjectData(0, buffer), 0);
  EXPECT_EQ(stars->GetObjectData(7, buffer), 0);
}

TEST_F(StarsGroup, NamesFollowThePrecedenceAndCarryTheProperName) {
  const std::vector<std::pair<int32_t, std::string>> cases = {
      {1, "\x01HR 9001  \x01???"},  // constellation 5 is unknown
      {2,
       "\x01"
       "12  \x01" +
           Cp1251("Альфачи")},
      {3,
       "\x01"
       "BM  \x01" +
           Cp1251("Альфачи") + " (Beta Name )"},
      {4,
       "\x01"
       "3  \x01" +
           Cp1251("Альфачи")},
      {5,
       "\x02"
       "b\x01\x03"
       "2\x04  \x01" +
           Cp1251("Хвост Змеи")},
      {6,
       "\x02"
       "a  \x01" +
           Cp1251("Альфачи") + " (Alfa )"},
  };
  for (const auto& [index, name] : cases) EXPECT_EQ(stars->GetObjectName(index), name) << index;
  EXPECT_EQ(stars->GetObjectName(7), "");
}

TEST_F(StarsGroup, InformationLinesOfAFullyDescribedStar) {
  stars->View.mjdUt = stars->View.mjdDynamical = 51544.5;  // J2000.0: no proper motion
  stars->RefreshParam();
  velarion::kit::TZStrings lines;
  stars->GetObjectStrings(6, lines);
  const std::vector<std::string> got = lines.Entries();
  ASSERT_EQ(got.size(), 9u);
  EXPECT_EQ(got[0], "\x01" + Cp1251("Звезда"));
  EXPECT_EQ(got[1],
            "\x01"
            "Alfa [remark]");
  EXPECT_EQ(got[2],
            "\x02"
            "a  \x01" +
                Cp1251("Альфачи") + "\x01  (21;  BM;  HR 9006)");
  EXPECT_EQ(got[3], "\x01" + Cp1251("Текущие видимые экват. координаты:"));
  EXPECT_EQ(got[4].substr(0, 5),
            "\x02"
            "a\x01: ");  // the apparent place differs by aberration
  EXPECT_EQ(got[5], "\x01" + Cp1251("Экват. координаты (J2000):"));
  // 360000" = 100 degrees = 6h 40m 0s; -72000" = -20 degrees.
  EXPECT_EQ(got[6],
            "\x02"
            "a\x01: 6" +
                Cp1251("ч 40м 0.0с") +
                "   \x02"
                "d\x01: -20\xB0 0' 0\"");
  EXPECT_EQ(got[7], "\x01V: -0.50v\x03m\x04;  " + Cp1251("Параллакс: ") + "0.375\"");
  EXPECT_EQ(got[8], "\x01" + Cp1251("Спектр:  ") + "A1Vm\x01;  B-V: -0.12:\x03m\x04   " +
                        Cp1251("дв.;  сп-дв."));
}

TEST_F(StarsGroup, InformationLinesOfAStarKnownOnlyByNumber) {
  velarion::kit::TZStrings lines;
  stars->GetObjectStrings(1, lines);
  const std::vector<std::string> got = lines.Entries();
  ASSERT_EQ(got.size(), 8u);  // no proper name
  EXPECT_EQ(got[1], "\x01HR 9001  \x01???");
  EXPECT_EQ(got[6], "\x01V: 4.80\x03m\x04");
  EXPECT_EQ(got[7],
            "\x01"
            "B-V: 1.60\x03m\x04");  // no spectral class to follow
  lines.Clear();
  stars->GetObjectStrings(3, lines);
  EXPECT_EQ(lines.Entries()[2],
            "\x01"
            "BM  \x01" +
                Cp1251("Альфачи") + "\x01  (7;  HR 9003)");
  EXPECT_EQ(lines.Entries().back(),
            "\x01"
            "B-V: 0.50\x03m\x04");
  lines.Clear();
  stars->GetObjectStrings(4, lines);  // neither class nor colour index: no spectrum line
  EXPECT_EQ(lines.Entries().back(), "\x01V: 2.50\x03m\x04");
}

TEST_F(StarsGroup, PositionsMoveByTheProperMotion) {
  stars->View.mjdUt = 51544.5 + 3652.5;  // ten Julian years after J2000.0
  stars->RefreshParam();
  EXPECT_EQ(Stars().TimeArgument(), 1000);
  double ra = 0.0, dec = 0.0;
  ASSERT_TRUE(stars->GetObjectRaDec(6, ra, dec));
  EXPECT_DOUBLE_EQ(ra, 360010 / 3600.0);  // 1000 mas a year for 10 years
  EXPECT_DOUBLE_EQ(dec, -72005 / 3600.0);
  velarion::kit::TCommonObject record;
  ASSERT_TRUE(stars->GetFObjectData(6, record));
  EXPECT_EQ(record.flags, 43);
  EXPECT_NEAR(record.raOfDate, 100.0 + 10.0 / 3600.0, 1e-12);
  EXPECT_NEAR(record.decOfDate, -20.0 - 5.0 / 3600.0, 1e-12);
  EXPECT_DOUBLE_EQ(record.raCatalogue, 100.0);
  EXPECT_DOUBLE_EQ(record.decCatalogue, -20.0);
  EXPECT_FLOAT_EQ(record.visualMagnitude, -0.5F);
  EXPECT_EQ(record.name, stars->GetObjectName(6));
  EXPECT_FALSE(stars->GetObjectRaDec(0, ra, dec));
  EXPECT_FALSE(stars->GetFObjectData(7, record));
}

// The user's part in the search dialog.
veltest::TDialogScript Search(int32_t mode, int32_t first, int32_t index, int32_t constellation) {
  return [=](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Click(l, mode, true);
    c.Choose(l, star_search_dialog::kLetterList, first);
    c.Choose(l, star_search_dialog::kIndexList, index);
    c.Choose(l, star_search_dialog::kConstellationList, constellation);
    return c.PressOk(l);
  };
}

TEST_F(StarsGroup, SearchByBayerFlamsteedAndNumber) {
  namespace ids = star_search_dialog;
  struct TCase {
    veltest::TDialogScript script;
    int32_t found;
  };
  const std::vector<TCase> cases = {
      {Search(ids::kBayer, 0, 0, 0), 6},  // alpha in the first constellation
      {Search(ids::kBayer, 1, 0, 1), 5},  // beta without index, found with one, in Ser2 via Ser1
      {Search(ids::kBayer, 1, 2, 1), 5},  // beta 2
      {Search(ids::kFlamsteed, 11, 0, 0), 2},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    veltest::TFakeDialogs dialogs({cases[i].script});
    EXPECT_EQ(stars->SelectObjectForSearch(0), cases[i].found) << i;
    EXPECT_TRUE(dialogs.Messages().empty()) << i;
  }
}

TEST_F(StarsGroup, SearchThatFindsNothingSaysSo) {
  veltest::TFakeDialogs dialogs({Search(star_search_dialog::kBayer, 1, 3, 1)});  // beta 3
  EXPECT_EQ(stars->SelectObjectForSearch(0), -1);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Такая звезда в каталоге отсутствует"));
}

TEST_F(StarsGroup, SearchByNumberRefusesAText) {
  namespace ids = star_search_dialog;
  bool stayedOpen = false;
  veltest::TFakeDialogs dialogs({[&](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Click(l, ids::kHr, true);
    EXPECT_FALSE(c.Enabled(ids::kLetterList));
    EXPECT_FALSE(c.Enabled(ids::kConstellationList));
    EXPECT_TRUE(c.Enabled(ids::kHrEdit));
    c.Type(l, ids::kHrEdit, "90x4");
    stayedOpen = !c.PressOk(l);
    c.Type(l, ids::kHrEdit, " 9004 ");
    return c.PressOk(l);
  }});
  EXPECT_EQ(stars->SelectObjectForSearch(0), 4);
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Неверный номер"));
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251("Поиск звезды в каталоге ярких звезд"));
}

TEST_F(StarsGroup, SearchListsTheConstellationsWithoutTheSecondSerpens) {
  namespace ids = star_search_dialog;
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    EXPECT_EQ(
        c.Control(ids::kConstellationList)->items,
        (std::vector<std::string>{Cp1251("Альфачи"), Cp1251("Голова Змеи"), Cp1251("Дельты")}));
    EXPECT_EQ(c.Control(ids::kLetterList)->items.size(), 24u);
    EXPECT_EQ(c.Control(ids::kIndexList)->items.size(), 10u);
    c.Click(l, ids::kFlamsteed, true);
    EXPECT_EQ(c.Control(ids::kLetterList)->items.size(), 255u);
    EXPECT_FALSE(c.Enabled(ids::kIndexList));
    return false;
  }});
  EXPECT_EQ(stars->SelectObjectForSearch(0), -1);
}

TEST(StarSearchDialog, WithoutConstellationNamesTheNumbersAreListed) {
  veltest::THostGroups emptyHost;
  const std::vector<TConstellationChoice> choices = ConstellationChoices();
  ASSERT_EQ(choices.size(), 89u);
  EXPECT_EQ(choices.front().text, "1");
  EXPECT_EQ(choices.back().number, 89);
}

}  // namespace
