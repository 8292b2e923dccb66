// The figure lines "CLINE": a line with one end below the horizon ends on the horizon in
// both views, also when it crosses 0h; lines are clipped and drawn; the 17-byte record,
// the position with proper motion and the texts.
#include "ConLines.h"

#include "ConNames.h"
#include "ConstellationTestSupport.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

namespace {

using velarion::catalogues::MakeConstellationLinesGroup;
using velarion::catalogues::MakeConstellationNamesGroup;
using veltest::Cp1251;
using veltest::TPoint;

constexpr int32_t kArcsecPerDeg = 3600;

struct TLine {
  double ra1, dec1, ra2, dec2;  // degrees
  int16_t pmDec = 0;            // both ends, milli-arc-seconds per year
  uint8_t constellation = 1;
};

std::string LinesFile(const std::vector<TLine>& lines) {
  std::string file;
  for (const TLine& l : lines) {
    file += veltest::TRecordBytes(25)
                .Put<int32_t>(0, static_cast<int32_t>(l.ra1 * kArcsecPerDeg))
                .Put<int32_t>(4, static_cast<int32_t>(l.dec1 * kArcsecPerDeg))
                .Put<int32_t>(8, static_cast<int32_t>(l.ra2 * kArcsecPerDeg))
                .Put<int32_t>(12, static_cast<int32_t>(l.dec2 * kArcsecPerDeg))
                .Put<int16_t>(18, l.pmDec)
                .Put<int16_t>(22, l.pmDec)
                .Put<uint8_t>(24, l.constellation)
                .Text();
  }
  return file + "tail";  // a partial record is not a line
}

// At latitude 50 with RA 0h on the meridian, Dec -40 culminates exactly on the horizon:
// both lines, along the meridian and slanting across 0h, leave the sky at (0h, -40).
const std::vector<TLine> kLines = {
    {0.0, -30.0, 0.0, -50.0},
    {355.0, -30.0, 5.0, -50.0},
    {0.0, -60.0, 10.0, -70.0},  // never rises
    {359.9, 45.0, 0.1, 46.0, 1000, 200},
};

class ConLines : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    scratch.Write("CLINES.DAT", LinesFile(kLines));
    group = MakeConstellationLinesGroup(scratch.Folder());
    ASSERT_TRUE(group->InitResources(0));
  }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }

  veltest::TScratchFolder scratch;
  velarion::kit::TGroupPtr group;
};

TEST_F(ConLines, IdentityAndOneObjectPerWholeRecord) {
  EXPECT_EQ(group->Code, "CLINE");
  EXPECT_EQ(group->Name, Cp1251("Линии фигур созвездий"));
  EXPECT_EQ(group->EpochKind, 1);
  EXPECT_EQ(group->GetObjectCount(), 4);
  velarion::kit::TGroupPtr missing = MakeConstellationLinesGroup(scratch.Folder() + "none/");
  veltest::TFakeDialogs dialogs;
  EXPECT_FALSE(missing->InitResources(0));
  EXPECT_EQ(dialogs.Messages().at(0).text, Cp1251("Не могу открыть файл CLINES.DAT"));
}

struct TViewCase {
  bool quick;
  bool stereographic;
};

class ConLinesAtTheHorizon : public ConLines, public testing::WithParamInterface<TViewCase> {};

TEST_P(ConLinesAtTheHorizon, LineWithAHiddenEndEndsOnTheHorizon) {
  veltest::TSky sky;
  sky.quick = GetParam().quick;
  sky.stereographic = GetParam().stereographic;
  sky.radius = sky.quick ? 400 : 20000;
  const velarion::kit::TViewRect rect{0, 820, 0, 820};
  velarion::kit::TRaDecWindow window{0.0, 360.0, -40.0, 90.0};
  sky.Apply();
  if (!sky.quick) {  // the crossing brought into the middle of the view
    const TPoint crossing = veltest::Projected(0.0, -39.99);
    sky.centreX = 410 - crossing.x;
    sky.centreY = 410 - crossing.y;
    sky.Apply();
    const auto range = velarion::sky::GetVisibleRaDecRange({0, 0, 820, 820}, sky.centreX,
                                                           sky.centreY, sky.radius, 1.0);
    window = {range.raMinDeg, range.raMaxDeg, range.decMinDeg, range.decMaxDeg};
  } else {
    sky.centreX = sky.centreY = 410;
    sky.Apply();
  }
  veltest::ViewGroup(*group, sky, rect, window);
  const std::vector<int32_t> visible = veltest::Calculate(*group);
  const std::vector<int32_t> expectedVisible =
      sky.quick ? std::vector<int32_t>{1, 2, 4} : std::vector<int32_t>{1, 2};
  EXPECT_EQ(visible, expectedVisible);

  // The meridian runs radially from the zenith; it meets the horizon on the ray through a
  // point just above (0h, -40). The quick tables work at two arc-minutes and in integers,
  // which puts their horizon up to 2 pixels inside the circle.
  const TPoint onRay = veltest::Projected(0.0, -39.99);
  const double horizonTolerance = sky.quick ? 2.0 : 1.0;
  const auto drawn = veltest::DrawnPolylines(*group, {1, 2});
  ASSERT_EQ(drawn.size(), 2u);
  for (const std::vector<TPoint>& line : drawn) {
    ASSERT_EQ(line.size(), 2u);
    const TPoint end = line[1];  // the second end is the hidden one
    EXPECT_NEAR(sky.DistanceFromCentre(end), sky.radius, horizonTolerance);
    EXPECT_LE(veltest::DistanceFromRay(sky, onRay, end), 2.0) << end.x << "," << end.y;
  }
  velarion::kit::TObjectRect box;
  ASSERT_TRUE(group->GetObjectRect(1, box));
  EXPECT_EQ(box.bottom, std::max(drawn[0][0].y, drawn[0][1].y));
  EXPECT_FALSE(group->GetObjectRect(3, box));
}

INSTANTIATE_TEST_SUITE_P(BothViews, ConLinesAtTheHorizon,
                         testing::Values(TViewCase{true, true}, TViewCase{true, false},
                                         TViewCase{false, true}, TViewCase{false, false}));

TEST_F(ConLines, DetailedLineIsClippedToTheViewAndHiddenOutsideIt) {
  veltest::TSky sky;
  sky.quick = false;
  sky.radius = 20000;
  sky.Apply();
  const TPoint zenithSide = veltest::Projected(0.0, -35.0);
  sky.centreX = 200 - zenithSide.x;
  sky.centreY = 200 - zenithSide.y;
  sky.Apply();
  const auto range = velarion::sky::GetVisibleRaDecRange({0, 0, 400, 400}, sky.centreX, sky.centreY,
                                                         sky.radius, 1.0);
  veltest::ViewGroup(*group, sky, {0, 400, 0, 400},
                     {range.raMinDeg, range.raMaxDeg, range.decMinDeg, range.decMaxDeg});
  // The slanting line passes 2.5 degrees west of the middle, some 700 pixels away.
  EXPECT_EQ(veltest::Calculate(*group), (std::vector<int32_t>{1}));
  velarion::kit::TObjectRect box;
  ASSERT_TRUE(group->GetObjectRect(1, box));
  // The meridian runs through the middle of the view from its top edge to its bottom one.
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.bottom, 400);
  EXPECT_NEAR(box.left, 200, 1);
}

TEST_F(ConLines, RecordHoldsTheCatalogueEndsAndTheConstellation) {
  std::vector<std::byte> buffer(20, std::byte{0xAA});
  EXPECT_EQ(group->GetObjectData(2, std::span(buffer).first(16)), 0);
  EXPECT_EQ(buffer[0], std::byte{0xAA});
  ASSERT_EQ(group->GetObjectData(2, buffer), 17);
  EXPECT_EQ(velplatform::GetField<int32_t>(buffer, 0), 355 * 3600);
  EXPECT_EQ(velplatform::GetField<int32_t>(buffer, 4), -30 * 3600);
  EXPECT_EQ(velplatform::GetField<int32_t>(buffer, 8), 5 * 3600);
  EXPECT_EQ(velplatform::GetField<int32_t>(buffer, 12), -50 * 3600);
  EXPECT_EQ(velplatform::GetField<uint8_t>(buffer, 16), 1);
  EXPECT_EQ(buffer[17], std::byte{0xAA});
  EXPECT_EQ(group->GetObjectData(5, buffer), 0);
}

TEST_F(ConLines, PositionIsTheMeanOfTheMovedEndsTheShortWayAcross0h) {
  group->View.mjdUt = 51544.5 + 3652.5;  // ten Julian years on: 10" north at 1"/year
  group->RefreshParam();
  double ra = -1.0, dec = -1.0;
  ASSERT_TRUE(group->GetObjectRaDec(4, ra, dec));
  EXPECT_NEAR(ra, 0.0, 1e-9);
  EXPECT_NEAR(dec, 45.5 + 10.0 / 3600.0, 1e-9);
  ASSERT_TRUE(group->GetObjectRaDec(2, ra, dec));
  EXPECT_NEAR(ra, 0.0, 1e-9);
  EXPECT_NEAR(dec, -40.0, 1e-9);
}

TEST_F(ConLines, TextsNameTheConstellationOrShowQuestionMarks) {
  veltest::TMainList list;
  ASSERT_NE(list.Add(MakeConstellationNamesGroup(veltest::kDataFolder)), nullptr);
  EXPECT_EQ(group->GetObjectName(1), Cp1251("\x01Линия фигуры созвездия "));
  velarion::kit::TZStrings lines;
  group->GetObjectStrings(1, lines);
  EXPECT_EQ(lines.Entries(),
            std::vector<std::string>{Cp1251("\x01Линия фигуры созвездия \"Андромеда\"")});
  lines.Clear();
  group->GetObjectStrings(4, lines);  // constellation 200
  EXPECT_EQ(lines.Entries(), std::vector<std::string>{Cp1251("\x01Линия фигуры созвездия ???")});
}

}  // namespace
