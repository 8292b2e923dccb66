// The horizon: compass marks and their names, and when the rim is drawn at all.
#include "Horizon.h"

#include "Cp1251.h"
#include "GridGroups.h"
#include "GridTestSupport.h"

#include <algorithm>

namespace {

using namespace velarion::catalogues;
using velplatform::Cp1251;
using velplatform::TPoint;

TEST(CompassLabels, ReadFromSouthOrNorthAndMirrored) {
  struct TCase {
    int mark;
    bool mirror;
    bool fromSouth;
    const char* name;
  };
  const TCase cases[] = {
      {1, false, true, "Ю"},     {3, false, true, "45°"},   {5, false, true, "З"},
      {3, false, false, "225°"}, {7, false, false, "315°"}, {9, false, false, "С"},
      {5, true, true, "В"},      {3, true, true, "315°"},   {3, true, false, "135°"},
      {1, true, false, "Ю"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(CompassLabel(c.mark, c.mirror, c.fromSouth), "\x01" + Cp1251(c.name))
        << c.mark << c.mirror << c.fromSouth;
  }
}

TEST(CompassMarks, PointsTicksAndLabelCorners) {
  // R = 100, font height 9, "A" 6 wide: ticks 1.05 R, labels 1.09 R.
  const auto marks = CompassMarks({400, 300, 100, 1.0}, 0.0, 9, 6);
  EXPECT_EQ(marks[0].onCircle, (TPoint{400, 400}));  // the first mark at the bottom
  EXPECT_EQ(marks[0].tickEnd, (TPoint{400, 405}));
  EXPECT_EQ(marks[4].onCircle, (TPoint{500, 300}));  // a quarter round: the right
  EXPECT_EQ(marks[4].tickEnd, (TPoint{505, 300}));
  EXPECT_EQ(marks[4].labelCorner, (TPoint{509 - 3, 300 - 4}));
  // Mark 11, 135 degrees round on the left half, moves two letters further left:
  // 109 cos 135 = -77.07, 109 sin 135 = 77.07.
  EXPECT_EQ(marks[10].labelCorner, (TPoint{323 - 3 - 12, 300 - 77 - 4}));
  EXPECT_EQ(marks[12].labelCorner, (TPoint{291 - 3, 300 - 4}));      // mark 13 carries a letter
  EXPECT_EQ(marks[6].labelCorner, (TPoint{477 - 3, 300 - 77 - 4}));  // right half: no shift
}

class Horizon : public veltest::GridHost {
 protected:
  void SetUp() override {
    GridHost::SetUp();
    SetView(50.0, 0.0, 380);
  }
  std::vector<std::string> Drawn() {
    const std::vector<int32_t> reported = Calculate(*horizon);
    device.ClearLog();
    Draw(*horizon, reported);
    return device.Log();
  }
  velarion::kit::TGroupPtr horizon = MakeHorizonGroup("/nowhere/");
};

TEST_F(Horizon, Identity) {
  EXPECT_EQ(horizon->Code, "HORIZ");
  EXPECT_EQ(horizon->Name, Cp1251("Горизонт"));
  EXPECT_EQ(horizon->GetObjectCount(), 1);
  EXPECT_FALSE(horizon->Selectable);
}

TEST_F(Horizon, AlwaysReportsItsOneObject) {
  view = {380, 420, 380, 420};
  EXPECT_EQ(Calculate(*horizon), std::vector<int32_t>{1});
}

TEST_F(Horizon, NothingDrawnInsideTheInscribedSquare) {
  view = {200, 600, 200, 600};  // half side 200 < 380 * 0.7071 = 268.7
  EXPECT_TRUE(Drawn().empty());
  view = {1300, 1400, 300, 400};  // beyond the labels round the disc
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(Horizon, RimTicksAndLabelsWhenTheViewHoldsTheDisc) {
  const std::vector<std::string> log = Drawn();
  const auto count = [&](std::string_view prefix) {
    return std::count_if(log.begin(), log.end(),
                         [&](const std::string& s) { return s.starts_with(prefix); });
  };
  EXPECT_GE(count("pen 197379 "), 1);        // colour 2 of the table: 0x030303
  EXPECT_EQ(count("polypolyline"), 1 + 16);  // the rim and sixteen ticks
  EXPECT_EQ(count("text "), 8);
  // The rim's first point: the view's left column on the upper half, cy - sqrt(R^2 - 380^2).
  const auto rim = std::find_if(log.begin(), log.end(),
                                [](const std::string& s) { return s.starts_with("polypolyline"); });
  ASSERT_NE(rim, log.end());
  EXPECT_NE(rim->find(": 20,400 "), std::string::npos) << *rim;
}

}  // namespace
