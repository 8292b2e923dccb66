// The deep-sky group over a small DEEPSKY.DAT: loading, its records, names and information
// lines, and its objects placed on the sky image.
#include "DeepSkyObjects.h"

#include "DeepSkyFixture.h"
#include "DeepSkyGroup.h"
#include "DeepSkyObjectRecord.h"
#include "FakeDialogs.h"
#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SkyImage.h"
#include "SkyImageExports.h"
#include "SkyObj.h"
#include "StdGroup.h"
#include "ValueFormat.h"

#include "RiseSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace velarion::catalogues;
using velplatform::Cp1251;
using veltest::TDeepSkyEntry;

const std::vector<TDeepSkyEntry> kEntries = {
    {31, 224, "Andromeda", "10.68", "41.27", 4, 0, 340, 1780},
    {0, 869, "", "34.75", "57.13", 0, 7, 530, 300},
    {0, 0, "LMC", "80.89", "-69.7", 4, 0, 40, 6450},
    {0, 0, "", "-10", "x", 7, 0, 0, 0},  // RA past 0h, Dec not a number
};

TEST(DeepSkyLoading, AMissingFileIsReportedAndRefused) {
  const std::string empty = veltest::WriteDeepSkyFolder("missing", {});
  std::filesystem::remove(empty + "deepsky.dat");
  veltest::TFakeDialogs dialogs;
  const auto group = MakeDeepSkyGroup(empty);
  EXPECT_FALSE(group->InitResources(0));
  EXPECT_FALSE(group->ResourcesReady);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Не могу открыть файл DEEPSKY.DAT"));
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Ошибка"));
}

TEST(DeepSkyLoading, IdentityOfTheGroup) {
  const auto group = MakeDeepSkyGroup("/nowhere/");
  EXPECT_EQ(group->Code, "DEEPS");
  EXPECT_EQ(group->Name, Cp1251("Галактики,туманн.,зв.скопления"));
  EXPECT_EQ(group->Version, "2.0");
  EXPECT_EQ(group->EpochKind, 1);
  EXPECT_EQ(group->Epoch, 0.0);
  EXPECT_EQ(group->SearchCaption, Cp1251("галактику, туманность, зв.скопление"));
  EXPECT_FALSE(group->HasOptions);
  EXPECT_EQ(group->InfoItems.Entries(), std::vector<std::string>{Cp1251("Восход/Заход")});
}

class DeepSkyLoaded : public testing::Test {
 protected:
  void SetUp() override {
    folder = veltest::WriteDeepSkyFolder(
        testing::UnitTest::GetInstance()->current_test_info()->name(), kEntries);
    group = MakeDeepSkyGroup(folder);
    ASSERT_TRUE(group->InitResources(0));
  }
  std::string folder;
  velarion::kit::TGroupPtr group;
};

TEST_F(DeepSkyLoaded, RiseSetCommandShowsTheVisibilityPeriod) {
  velarion::solar::SetRiseSetViewSource([] {
    return velarion::solar::TRiseSetObserver{55.75, 37.62, 61384.0, 3.0, 6.0};
  });
  veltest::TFakeDialogs dialogs;
  EXPECT_FALSE(group->AdvancedInfo(0, 0, 1));
  EXPECT_TRUE(group->AdvancedInfo(0, 1, 1));
  ASSERT_EQ(dialogs.Shown().size(), 1U);
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251(" Период видимости"));
  velarion::solar::SetRiseSetViewSource(nullptr);
}

TEST_F(DeepSkyLoaded, ObjectCountAndPositions) {
  EXPECT_EQ(group->GetObjectCount(), 4);
  double ra = 0.0;
  double dec = 0.0;
  ASSERT_TRUE(group->GetObjectRaDec(1, ra, dec));
  EXPECT_NEAR(ra, 10.68, 1.0 / 3600.0);
  EXPECT_NEAR(dec, 41.27, 1.0 / 3600.0);
  ASSERT_TRUE(group->GetObjectRaDec(4, ra, dec));
  EXPECT_DOUBLE_EQ(ra, 350.0);
  EXPECT_DOUBLE_EQ(dec, 0.0);
  EXPECT_FALSE(group->GetObjectRaDec(5, ra, dec));
}

TEST_F(DeepSkyLoaded, TheRecordNeedsFiftyOneBytes) {
  std::array<std::byte, 51> record;
  record.fill(std::byte{0xAA});
  EXPECT_EQ(group->GetObjectData(2, std::span(record).first(50)), 0);
  EXPECT_EQ(record[0], std::byte{0xAA});
  ASSERT_EQ(group->GetObjectData(2, record), 51);
  namespace r = deep_sky_object;
  EXPECT_EQ(velplatform::GetField<int16_t>(record, r::kMessier), 0);
  EXPECT_EQ(velplatform::GetField<int16_t>(record, r::kNgc), 869);
  EXPECT_EQ(velplatform::GetText(record, r::kName, r::kNameWidth), "");
  for (std::size_t i = 25; i < 29; ++i) EXPECT_EQ(record[i], std::byte{0xAA}) << i;
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, r::kRa), 34.75);
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, r::kDec), 57.13);
  EXPECT_EQ(velplatform::GetField<uint8_t>(record, r::kType), 0);
  EXPECT_EQ(velplatform::GetField<uint8_t>(record, r::kReserved), 7);
  EXPECT_EQ(velplatform::GetField<int16_t>(record, r::kMagnitude), 530);
  EXPECT_EQ(velplatform::GetField<int16_t>(record, r::kSize), 300);
  // The RA as the file writes it, not brought into 0 .. 360.
  ASSERT_EQ(group->GetObjectData(4, record), 51);
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, r::kRa), -10.0);
  EXPECT_EQ(group->GetObjectData(0, record), 0);
}

TEST_F(DeepSkyLoaded, Names) {
  EXPECT_EQ(group->GetObjectName(1), Cp1251("\"Andromeda\", Галактика"));
  EXPECT_EQ(group->GetObjectName(2), Cp1251("NGC 869, Рассеяное скопление"));
  EXPECT_EQ(group->GetObjectName(3), Cp1251("Большое Магелланово Облако"));
  EXPECT_EQ(group->GetObjectName(4), Cp1251("NGC 0, Галактика"));
  EXPECT_EQ(group->GetObjectName(5), "");
}

TEST_F(DeepSkyLoaded, InformationLines) {
  velarion::kit::TZStrings lines;
  group->GetObjectStrings(1, lines);
  using velarion::sky::FormatAngle;
  using velarion::sky::TAngleResolution;
  using velarion::sky::TAngleUnit;
  const std::vector<std::string> expected = {
      "\x01" + Cp1251("Галактика"),
      "\x01\"Andromeda\"",
      "\x01M 31, \x01NGC 224",
      "\x01" + Cp1251("Экват. координаты (J2000):"),
      "\x02"
      "a\x01: " +
          Cp1251("0ч 42.7м") +
          "   \x02"
          "d\x01: " +
          Cp1251("+41° 16'"),
      "\x01V: 3.4\x03m\x04\x01" + Cp1251(";   Угловой размер: 178.0'"),
  };
  EXPECT_EQ(lines.Entries(), expected);
  lines.Clear();
  group->GetObjectStrings(3, lines);  // a Cloud: its name, no quoted name, no numbers
  ASSERT_EQ(lines.Count(), 4);
  EXPECT_EQ(lines.Entries()[0], "\x01" + Cp1251("Большое Магелланово Облако"));
}

TEST_F(DeepSkyLoaded, CommonObjectRecord) {
  velarion::kit::TCommonObject common;
  ASSERT_TRUE(group->GetFObjectData(1, common));
  EXPECT_EQ(common.flags, 75 + 32);
  EXPECT_FLOAT_EQ(common.visualMagnitude, 3.4F);
  EXPECT_FLOAT_EQ(common.sizeDeg, 1780 / 10.0F / 60.0F);
  EXPECT_EQ(common.raOfDate, common.raCatalogue);
  EXPECT_NEAR(common.raCatalogue, 10.68, 1.0 / 3600.0);
  EXPECT_EQ(common.name, group->GetObjectName(1));
  velarion::kit::TCommonObject none;
  ASSERT_TRUE(group->GetFObjectData(4, none));
  EXPECT_EQ(none.flags, 75);  // no magnitude
}

// ---- On the sky image -------------------------------------------------------------------

class DeepSkyOnTheSky : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    velarion::sky::SetHostSkyImage(&image);
    image.SetAlwaysCentred(true);  // the zenith in the middle of the picture
    image.SetViewRect(400, 400, 0, 0, false, false);
    // One object at the zenith of the image's place and moment, one that never rises.
    const double zenithRa = image.SiderealTime() * 15.0;
    std::vector<TDeepSkyEntry> entries = {
        {1, 1952, "", velarion::sky::FixedToText(1, zenithRa),
         velarion::sky::FixedToText(1, image.Latitude()), 2, 0, 840, 60},
        {0, 104, "", "6.0", "-72.0", 1, 0, 400, 500},
    };
    folder = veltest::WriteDeepSkyFolder("sky", entries);
    auto owned = MakeDeepSkyGroup(folder);
    ASSERT_TRUE(owned->InitResources(0));
    group = owned.get();
    velarion::groups::TGroupListElement& e = list.AddNewGroup(true);
    e.SetGroup(std::make_unique<velarion::groups::TStdGroup>(std::move(owned)));
    e.SetVisibleInQuickView(true);
    e.SetVisibleInDetailedView(true);
    image.SetGroupLists(&list, nullptr);
  }
  void TearDown() override {
    velarion::sky::SetHostSkyImage(nullptr);
    velarion::sky::FreeProjectionTables();
  }

  velarion::sky::TSkyImage image{{}, {[] { return 51544.0; }, [] { return 0.0; }}};
  velarion::groups::TGroupList list;
  velplatform::TRecordingDevice device{400, 400};
  std::string folder;
  velarion::kit::TObjectGroup* group = nullptr;
};

TEST_F(DeepSkyOnTheSky, TheSymbolAndItsLabelMakeTheRectangle) {
  image.PaintSky(device, true);
  velarion::kit::TObjectRect rect;
  ASSERT_TRUE(group->GetObjectRect(1, rect));
  EXPECT_FALSE(group->GetObjectRect(2, rect));  // -72 never rises at 51.7 N
  ASSERT_TRUE(group->GetObjectRect(1, rect));
  // The disc's centre is the zenith: the symbol is centred there (to the quick
  // projection's two arc-minutes).
  const velplatform::TMonoImage& symbol = image.SymbolImages()[27];
  const int32_t w = symbol.Width();
  const int32_t h = symbol.Height();
  EXPECT_NEAR(rect.left + w / 2, image.CentreX(), 2);
  // Measured on the device the pass drew on, as the group measured it.
  const velarion::sky::TCanvasBinding measuredOn(image.OutputDevice(), device);
  const int32_t labelWidth = DrawString("\x01\x07\x05M 1\x06\x08", 0, 0, false);
  EXPECT_GT(labelWidth, 0);
  EXPECT_EQ(rect.right - rect.left, w + labelWidth + 1);
  EXPECT_EQ(rect.bottom - rect.top, std::max(h, image.FontHeight() * 5 / 4));
  // Drawn: the nebula sign and the label.
  const auto& log = device.Log();
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& s) {
    return s.starts_with("text ") && s.find("M 1") != std::string::npos;
  }));
}

TEST_F(DeepSkyOnTheSky, NothingWhileTheSwitchIsOff) {
  image.SetObjectVisible(15, false);
  image.PaintSky(device, true);
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(group->GetObjectRect(1, rect));
  const auto& log = device.Log();
  EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string& s) {
    return s.find("M 1") != std::string::npos;
  }));
}

}  // namespace
