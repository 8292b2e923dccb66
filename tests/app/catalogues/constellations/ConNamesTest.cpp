// The constellation names "CNAME": loading, the 45-byte record other groups read, the
// names in the three name types, the search by name, the options and the labels drawn.
#include "ConNames.h"

#include "ConstellationRecord.h"
#include "ConstellationTestSupport.h"
#include "FakeDialogs.h"
#include "FindForm.h"
#include "IniAccess.h"
#include "IniFile.h"
#include "SkyImage.h"
#include "SkyImageExports.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using velarion::catalogues::MakeConstellationNamesGroup;
using velarion::catalogues::TConNames;
using velarion::catalogues::TNameType;
using velarion::catalogues::con_names_options::kAbbreviation;
using velarion::catalogues::con_names_options::kLatin;
using veltest::Cp1251;
using veltest::TFakeControls;
using veltest::TFakeDialogs;

class ConNames : public testing::Test {
 protected:
  void SetUp() override { velarion::sky::SetSettingsFile(scratch.Folder() + "Velarion.ini"); }
  void TearDown() override { velarion::sky::SetSettingsFile(""); }

  void SetNameType(int type) {
    velplatform::TIniFile(scratch.Folder() + "Velarion.ini")
        .Write("ConNames", "NameType", std::to_string(type));
  }
  TConNames& Loaded(const std::string& folder = veltest::kDataFolder) {
    group = MakeConstellationNamesGroup(folder);
    EXPECT_TRUE(group->InitResources(0));
    group->ResourcesReady = true;
    return static_cast<TConNames&>(*group);
  }
  std::string Record(int32_t n, std::size_t size, int32_t* result = nullptr) {
    std::vector<std::byte> buffer(size, std::byte{0xAA});
    const int32_t r = group->GetObjectData(n, buffer);
    if (result != nullptr) *result = r;
    return {reinterpret_cast<const char*>(buffer.data()), buffer.size()};
  }

  veltest::TScratchFolder scratch;
  velarion::kit::TGroupPtr group;
};

TEST_F(ConNames, IdentityAndTheFixedNumberOfObjects) {
  group = MakeConstellationNamesGroup(veltest::kDataFolder);
  EXPECT_EQ(group->Code, "CNAME");
  EXPECT_EQ(group->Name, Cp1251("Наименования созвездий"));
  EXPECT_EQ(group->Version, "2.0");
  EXPECT_EQ(group->EpochKind, 1);
  EXPECT_EQ(group->Epoch, 0.0);
  EXPECT_EQ(group->SearchCaption, Cp1251("созвездие"));
  EXPECT_TRUE(group->HasOptions);
  EXPECT_EQ(group->GetObjectCount(), 89);  // before the file is read, too
}

TEST_F(ConNames, MissingFileGivesItsErrorBoxAndNoGroup) {
  TFakeDialogs dialogs;
  group = MakeConstellationNamesGroup(scratch.Folder());
  EXPECT_FALSE(group->InitResources(0));
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Не могу открыть файл CONSTELL.DAT"));
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Ошибка"));
}

TEST_F(ConNames, RecordHoldsTheNamesOfTheNameTypeInItsFortyFiveBytes) {
  SetNameType(2);
  Loaded();
  int32_t result = 0;
  std::string record = Record(1, 50, &result);
  EXPECT_EQ(result, 45);
  EXPECT_EQ(record.substr(0, 20), std::string("And") + std::string(17, '\0'));
  EXPECT_EQ(record.substr(20, 20), std::string("And") + std::string(17, '\0'));
  EXPECT_EQ(record.substr(40, 5), std::string("And\0\0", 5));
  EXPECT_EQ(record.substr(45), std::string(5, '\xAA'));  // nothing past the record

  record = Record(1, 44, &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(record, std::string(44, '\xAA'));
  EXPECT_EQ(Record(0, 45, &result), std::string(45, '\xAA'));
  EXPECT_EQ(Record(90, 45, &result), std::string(45, '\xAA'));
  EXPECT_EQ(result, 0);
}

TEST_F(ConNames, OtherGroupsReadTheNamesByCode) {
  veltest::TMainList list;
  SetNameType(0);
  ASSERT_NE(list.Add(MakeConstellationNamesGroup(veltest::kDataFolder)), nullptr);
  const auto serpens = velarion::catalogues::FindConstellation(77);
  ASSERT_TRUE(serpens);
  EXPECT_EQ(serpens->form1, Cp1251("Хвост Змеи"));
  EXPECT_EQ(serpens->form2, Cp1251("Змеи"));
  EXPECT_EQ(serpens->abbreviation, "Ser2");
  EXPECT_FALSE(velarion::catalogues::FindConstellation(90));
}

TEST_F(ConNames, ShortFileLeavesTheRestEmptyAndLongNamesAreCutInTheRecord) {
  scratch.Write("constell.dat",
                Cp1251("Оченьдлинноеназваниесозвездия,Родительныйпадежназвания,Longlatinname"
                       "xxxxxxxx,Longlatingenitive,Abcde,600,-1200\n"));
  TConNames& names = Loaded(scratch.Folder());
  EXPECT_EQ(Record(1, 45).substr(0, 20), Cp1251("Оченьдлинноеназвани") + std::string(1, '\0'));
  EXPECT_EQ(Record(1, 45).substr(40, 5), std::string("Abcd\0", 5));
  double ra = -1.0, dec = -1.0;
  ASSERT_TRUE(names.GetObjectRaDec(1, ra, dec));
  EXPECT_EQ(ra, 10.0);
  EXPECT_EQ(dec, -20.0);
  ASSERT_TRUE(names.GetObjectRaDec(89, ra, dec));
  EXPECT_EQ(ra, 0.0);
  EXPECT_EQ(names.FormName(89, 1), "");
  EXPECT_EQ(names.GetObjectName(89), "\x01; ; ");
}

TEST_F(ConNames, NameAndInformationLines) {
  Loaded();
  EXPECT_EQ(group->GetObjectName(76), Cp1251("\x01Голова Змеи; Serpens Caput; Ser1"));
  velarion::kit::TZStrings lines;
  group->GetObjectStrings(84, lines);
  EXPECT_EQ(lines.Entries(),
            (std::vector<std::string>{Cp1251("\x01Наименование созвездия"),
                                      Cp1251("\x01Большая Медведица; Ursa Major; UMa")}));
  EXPECT_EQ(group->GetObjectName(0), "");
}

// The list is sorted by name, so the search must not count entries: both parts of Serpens
// and the constellations after them keep their own numbers.
TEST_F(ConNames, SearchFindsTheObjectOfTheChosenNameInEveryNameType) {
  const struct {
    int nameType;
    const char* typed;
    int32_t expected;
  } cases[] = {
      {0, "андромеда", 1},   {0, "голова з", 76},    {0, "хвост", 77}, {0, "секстант", 78},
      {0, "лисичка", 89},    {1, "serpens cau", 77}, {1, "sext", 78},  {2, "ser2", 77},
      {2, "uma", 84},  // abbreviations compared normalised
      {0, "нет такого", -1},
  };
  for (const auto& c : cases) {
    group.reset();  // writes its own type back when freed
    SetNameType(c.nameType);
    Loaded();
    TFakeDialogs dialogs({[&](TFakeControls& controls, velplatform::TDialogLogic& logic) {
      EXPECT_EQ(controls.ItemCount(velarion::catalogues::TFindForm::kNamesList), 89);
      controls.Type(logic, velarion::catalogues::TFindForm::kNameEdit, Cp1251(c.typed));
      return controls.PressOk(logic);
    }});
    EXPECT_EQ(group->SelectObjectForSearch(0), c.expected) << c.typed;
    EXPECT_EQ(dialogs.Shown().at(0).caption, Cp1251("Поиск созвездия"));
  }
  TFakeDialogs cancelled;  // no script: the window is cancelled
  EXPECT_EQ(group->SelectObjectForSearch(0), -1);
}

TEST_F(ConNames, OptionsChooseTheNameTypeWhichIsKeptInTheSettings) {
  SetNameType(0);
  TConNames& names = Loaded();
  {
    TFakeDialogs dialogs({[](TFakeControls& c, velplatform::TDialogLogic& l) {
                            EXPECT_TRUE(
                                c.Checked(velarion::catalogues::con_names_options::kRussian));
                            c.Click(l, velarion::catalogues::con_names_options::kRussian, false);
                            c.Click(l, kLatin, true);
                            return c.PressOk(l);
                          },
                          [](TFakeControls& c, velplatform::TDialogLogic& l) {
                            c.Click(l, kAbbreviation, true);
                            return false;
                          }});
    EXPECT_TRUE(names.EditOptions(0));
    EXPECT_EQ(names.NameType(), TNameType::kLatin);
    EXPECT_FALSE(names.EditOptions(0));  // cancelled
    EXPECT_EQ(names.NameType(), TNameType::kLatin);
    EXPECT_EQ(dialogs.Shown().at(0).caption, Cp1251("Параметры созвездий"));
  }
  EXPECT_EQ(names.FormName(1, 1), "Andromeda");
  EXPECT_EQ(names.FormName(1, 2), "Andromedae");
  group.reset();  // FreeResources writes the type back
  EXPECT_EQ(Loaded().NameType(), TNameType::kLatin);
}

TEST_F(ConNames, UnknownNameTypeInTheSettingsReadsAsRussian) {
  SetNameType(7);
  EXPECT_EQ(Loaded().NameType(), TNameType::kRussian);
}

// The quick view on the recording device, whose text is 0.6 of the font height wide per
// character: each label's rectangle starts at its projected corner and is as wide as its
// text and as high as the font.
class ConNamesOnTheSky : public ConNames {
 protected:
  void SetUp() override {
    ConNames::SetUp();
    velarion::sky::InitProjectionTables();
    velarion::sky::SetHostSkyImage(&image);
    image.SetGroupLists(&list.List(), nullptr);
    image.SetViewRect(400, 400, 0, 0, false, false);
  }
  void TearDown() override {
    velarion::sky::SetHostSkyImage(nullptr);
    velarion::sky::FreeProjectionTables();
    ConNames::TearDown();
  }
  veltest::TMainList list;
  velarion::sky::TSkyImage image{
      velarion::sky::TScreenMetrics{96, 96, 397, 16},
      velarion::sky::TClockSource{[] { return 51544.875; },  // 2000-01-01 21h UT
                                  [] { return 0.0; }}};
  velplatform::TRecordingDevice device{400, 400};
};

TEST_F(ConNamesOnTheSky, LabelsStandAtTheirPositionsWithTheirTextsWidth) {
  SetNameType(0);
  auto* names =
      static_cast<TConNames*>(list.Add(MakeConstellationNamesGroup(veltest::kDataFolder)));
  ASSERT_NE(names, nullptr);
  image.SetTimeNow();
  image.SetObjectVisible(3, true);
  image.PaintSky(device, true);

  const int32_t height = image.FontHeight();
  int visible = 0;
  for (int32_t n = 1; n <= 89; ++n) {
    velarion::kit::TObjectRect rect;
    if (!names->GetObjectRect(n, rect)) continue;
    ++visible;
    double ra = 0.0, dec = 0.0;
    names->GetObjectRaDec(n, ra, dec);
    SetEpoch(0.0, 1);
    const velplatform::TPoint corner =
        veltest::QuickProjected(static_cast<int32_t>(ra * 60), static_cast<int32_t>(dec * 60));
    const auto characters = static_cast<int32_t>(names->FormName(n, 1).size());
    EXPECT_EQ(rect, (velarion::kit::TObjectRect{corner.x, corner.y,
                                                corner.x + (3 * height * characters + 2) / 5,
                                                corner.y + height}))
        << n;
  }
  EXPECT_GT(visible, 20);
  EXPECT_LT(visible, 89);  // the southern ones are below the horizon at 51.7 degrees north
  int texts = 0;
  std::string colour;
  for (const std::string& line : device.Log()) {
    if (line.starts_with("textcolor")) colour = line;
    if (line.starts_with("text ") && line.find(Cp1251("Большая Медведица")) != std::string::npos) {
      ++texts;
      EXPECT_EQ(colour, "textcolor " + std::to_string(names->View.colours[4]));
    }
  }
  EXPECT_EQ(texts, 1);

  image.SetObjectVisible(3, false);
  device.ClearLog();
  image.PaintSky(device, true);
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(names->GetObjectRect(84, rect));
  for (const std::string& line : device.Log()) {
    EXPECT_EQ(line.find(Cp1251("Медведица")), std::string::npos);
  }
}

}  // namespace
