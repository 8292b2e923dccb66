// The boundaries "BOUND": the merge rule of the sampled points, parallels across 0h in
// both views, a parallel dipping below the horizon, the 10-byte record and the texts.
#include "ConBounds.h"

#include "BoundaryPoints.h"
#include "ConNames.h"
#include "ConstellationTestSupport.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using velarion::catalogues::MakeConstellationBoundsGroup;
using velarion::catalogues::MakeConstellationNamesGroup;
using velarion::catalogues::TBoundaryPoints;
using veltest::Cp1251;
using veltest::TPoint;

// A last point exactly midway between the one before and the new one gives way to it.
TEST(BoundaryPointsMerge, MidwayPointsGiveWayAndRepeatsAreSkipped) {
  const struct {
    std::vector<TPoint> added;
    std::vector<TPoint> kept;
  } cases[] = {
      {{{0, 0}, {1, 1}, {2, 2}}, {{0, 0}, {2, 2}}},
      {{{0, 0}, {1, 1}, {2, 2}, {3, 3}}, {{0, 0}, {2, 2}, {3, 3}}},
      {{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, {{0, 0}, {2, 2}, {4, 4}}},
      {{{0, 0}, {0, 0}, {5, 0}}, {{0, 0}, {5, 0}}},
      {{{0, 0}, {1, 0}, {3, 0}}, {{0, 0}, {1, 0}, {3, 0}}},  // collinear, not midway
      {{{0, 0}, {2, 0}, {4, 1}}, {{0, 0}, {2, 0}, {4, 1}}},  // midway in x only
      {{{0, 0}, {2, 2}, {4, 4}, {4, 4}, {6, 2}}, {{0, 0}, {4, 4}, {6, 2}}},
      {{{7, 7}}, {{7, 7}}},
  };
  for (const auto& c : cases) {
    TBoundaryPoints points;
    for (TPoint p : c.added) points.Add(p);
    EXPECT_EQ(std::vector<TPoint>(points.Points().begin(), points.Points().end()), c.kept);
    EXPECT_EQ(points.Counts().size(), 1u);
  }
  TBoundaryPoints split;
  split.Add({0, 0});
  split.Add({1, 0});
  split.Break();
  split.Add({2, 0});  // a new piece: not merged across the gap
  split.Add({3, 0});
  EXPECT_EQ((std::vector<int32_t>(split.Counts().begin(), split.Counts().end())),
            (std::vector<int32_t>{2, 2}));
}

struct TBound {
  int16_t ra1, dec1, ra2, dec2;  // arc-minutes
  uint8_t first = 1, second = 77;
};

std::string BoundsFile(const std::vector<TBound>& bounds) {
  std::string file;
  for (const TBound& b : bounds) {
    file += veltest::TRecordBytes(10)
                .Put<int16_t>(0, b.ra1)
                .Put<int16_t>(2, b.dec1)
                .Put<int16_t>(4, b.ra2)
                .Put<int16_t>(6, b.dec2)
                .Put<uint8_t>(8, b.first)
                .Put<uint8_t>(9, b.second)
                .Text();
  }
  return file;
}

// Seen from latitude 50 with 0h on the meridian.
const std::vector<TBound> kBounds = {
    {21300, 1200, 300, 1200},    // 23h40m .. 0h20m at +20, through 0h
    {7200, 2100, 14400, 2100},   // 8h .. 16h at +35: below the horizon around 12h
    {600, -4000, 600, -3000},    // never rises
    {0, 1800, 0, 2400, 200, 1},  // a meridian at 0h; an unknown constellation
};

class ConBounds : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    scratch.Write("BOUNDS.DAT", BoundsFile(kBounds));
    group = MakeConstellationBoundsGroup(scratch.Folder());
    ASSERT_TRUE(group->InitResources(0));
  }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }

  veltest::TSky QuickSky() {
    veltest::TSky sky;
    sky.radius = 400;
    sky.centreX = sky.centreY = 410;
    sky.Apply(velarion::catalogues::kEpochB1875);
    veltest::ViewGroup(*group, sky, {0, 820, 0, 820}, {0.0, 360.0, -40.0, 90.0});
    return sky;
  }

  veltest::TScratchFolder scratch;
  velarion::kit::TGroupPtr group;
};

TEST_F(ConBounds, IdentityInTheEquinoxOf1875) {
  EXPECT_EQ(group->Code, "BOUND");
  EXPECT_EQ(group->Name, Cp1251("Границы созвездий"));
  EXPECT_EQ(group->EpochKind, 1);
  EXPECT_DOUBLE_EQ(group->Epoch, -1.2499657768);
  EXPECT_EQ(group->GetObjectCount(), 4);
}

TEST_F(ConBounds, QuickParallelAcross0hIsSampledThrough24h) {
  QuickSky();
  EXPECT_EQ(veltest::Calculate(*group), (std::vector<int32_t>{1, 2, 4}));
  const auto drawn = veltest::DrawnPolylines(*group, {1});
  ASSERT_EQ(drawn.size(), 1u);
  const std::vector<TPoint>& line = drawn[0];
  const TPoint west = veltest::QuickProjected(21300, 1200);
  const TPoint east = veltest::QuickProjected(300, 1200);
  EXPECT_EQ(line.front(), west);
  EXPECT_EQ(line.back(), east);
  // 40 minutes of RA take at most 11 samples of 64 arc-minutes (20000 div 312).
  EXPECT_LE(line.size(), 11u);
  for (TPoint p : line) {
    EXPECT_GE(p.x, std::min(west.x, east.x));
    EXPECT_LE(p.x, std::max(west.x, east.x));
  }
}

TEST_F(ConBounds, ParallelBelowTheHorizonInItsMiddleIsDrawnInTwoPieces) {
  const veltest::TSky sky = QuickSky();
  veltest::Calculate(*group);
  const auto drawn = veltest::DrawnPolylines(*group, {2});
  ASSERT_EQ(drawn.size(), 2u);  // no chord across the hidden part
  for (const auto& piece : drawn) {
    for (TPoint p : piece) EXPECT_LE(sky.DistanceFromCentre(p), sky.radius + 1.0);
  }
  EXPECT_EQ(drawn[0].front(), veltest::QuickProjected(7200, 2100));
  EXPECT_EQ(drawn[1].back(), veltest::QuickProjected(14400, 2100));
}

TEST_F(ConBounds, DetailedParallelAcross0hStaysBetweenItsEnds) {
  veltest::TSky sky;
  sky.quick = false;
  sky.radius = 20000;
  sky.Apply(velarion::catalogues::kEpochB1875);
  const TPoint middle = veltest::Projected(0.0, 20.0);
  sky.centreX = 300 - middle.x;
  sky.centreY = 300 - middle.y;
  sky.Apply(velarion::catalogues::kEpochB1875);
  const auto range = velarion::sky::GetVisibleRaDecRange({0, 0, 600, 600}, sky.centreX, sky.centreY,
                                                         sky.radius, 1.0);
  veltest::ViewGroup(*group, sky, {0, 600, 0, 600},
                     {range.raMinDeg, range.raMaxDeg, range.decMinDeg, range.decMaxDeg});
  const std::vector<int32_t> visible = veltest::Calculate(*group);
  ASSERT_FALSE(visible.empty());
  EXPECT_EQ(visible[0], 1);
  const auto drawn = veltest::DrawnPolylines(*group, {1});
  ASSERT_EQ(drawn.size(), 1u);
  const std::vector<TPoint>& line = drawn[0];
  // The window cuts the parallel at the view's edges; inside it runs from west to east
  // through 0h.
  const TPoint west = veltest::Projected(355.0, 20.0);
  const TPoint east = veltest::Projected(5.0, 20.0);
  ASSERT_GE(line.size(), 3u);
  for (TPoint p : line) {
    EXPECT_GE(p.x, std::min(west.x, east.x) - 1);
    EXPECT_LE(p.x, std::max(west.x, east.x) + 1);
  }
  EXPECT_LE(std::min(line.front().x, line.back().x), 1);
  EXPECT_GE(std::max(line.front().x, line.back().x), 599);
}

TEST_F(ConBounds, NothingIsCalculatedWithTheBoundariesSwitchedOff) {
  QuickSky();
  group->View.objectsVisible2 = 0;
  EXPECT_TRUE(veltest::Calculate(*group).empty());
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(group->GetObjectRect(1, rect));
}

TEST_F(ConBounds, RecordIsTheFileRecordAndNeedsTenBytes) {
  std::vector<std::byte> buffer(12, std::byte{0xAA});
  EXPECT_EQ(group->GetObjectData(1, std::span(buffer).first(9)), 0);
  EXPECT_EQ(buffer[0], std::byte{0xAA});
  ASSERT_EQ(group->GetObjectData(1, std::span(buffer).first(10)), 10);
  EXPECT_EQ(velplatform::GetField<int16_t>(buffer, 0), 21300);
  EXPECT_EQ(velplatform::GetField<int16_t>(buffer, 2), 1200);
  EXPECT_EQ(velplatform::GetField<int16_t>(buffer, 4), 300);
  EXPECT_EQ(velplatform::GetField<int16_t>(buffer, 6), 1200);
  EXPECT_EQ(velplatform::GetField<uint8_t>(buffer, 8), 1);
  EXPECT_EQ(velplatform::GetField<uint8_t>(buffer, 9), 77);
  EXPECT_EQ(buffer[10], std::byte{0xAA});
}

TEST_F(ConBounds, PositionIsTheMeanTheShortWayAcross0h) {
  double ra = -1.0, dec = -1.0;
  ASSERT_TRUE(group->GetObjectRaDec(1, ra, dec));
  EXPECT_DOUBLE_EQ(ra, 0.0);
  EXPECT_DOUBLE_EQ(dec, 20.0);
  ASSERT_TRUE(group->GetObjectRaDec(2, ra, dec));
  EXPECT_DOUBLE_EQ(ra, 180.0);
}

TEST_F(ConBounds, TextsNameBothConstellationsAndTheCoordinates) {
  veltest::TMainList list;
  ASSERT_NE(list.Add(MakeConstellationNamesGroup(veltest::kDataFolder)), nullptr);
  EXPECT_EQ(group->GetObjectName(1), Cp1251("\x01Граница созвездий And / Ser2"));
  EXPECT_EQ(group->GetObjectName(4), Cp1251("\x01Граница созвездий ??? / And"));
  velarion::kit::TZStrings lines;
  group->GetObjectStrings(1, lines);
  EXPECT_EQ(lines.Entries(), (std::vector<std::string>{Cp1251("\x01Граница созвездий"),
                                                       Cp1251("\x01Андромеда / Хвост Змеи"),
                                                       Cp1251("\x01Координаты (J1875):"),
                                                       Cp1251("\x02"
                                                              "a\x01: от 23ч 40м до 0ч 20м.;  \x02"
                                                              "d\x01: 20° 0'")}));
  lines.Clear();
  group->GetObjectStrings(4, lines);
  EXPECT_EQ(lines.Entries().at(1), Cp1251("\x01??? / Андромеда"));
  EXPECT_EQ(lines.Entries().at(3), Cp1251("\x02"
                                          "a\x01: 0ч 0м.;  \x02"
                                          "d\x01: от 30° 0' до 40° 0'"));
}

}  // namespace
