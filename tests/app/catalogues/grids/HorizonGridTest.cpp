// The horizontal grid: counts, the screen directions of azimuths, the radii of the
// altitude circles (R tan(z/2) in the stereographic projection) and the lines' records.
#include "HorizonGrid.h"

#include "Cp1251.h"
#include "GridGroups.h"
#include "GridTestSupport.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace velarion::catalogues;
using velarion::sky::TGridSettings;

class HorizonGrid : public veltest::GridHost {
 protected:
  void SetUp() override {
    GridHost::SetUp();
    SetView(50.0, 0.0, 400);
  }
  THorizonGrid grid;
  TGridSettings allLines{{1, 1, 1, 1}, {600, 600, 3600, 600}, 1, 1, 1, 1};
};

TEST_F(HorizonGrid, Identity) {
  const auto group = MakeHorizonGridGroup("/nowhere/");
  EXPECT_EQ(group->Code, "HGRID");
  EXPECT_EQ(group->Name, velplatform::Cp1251("Горизонт. координатная сетка"));
  EXPECT_EQ(group->EpochKind, 0);
  EXPECT_FALSE(group->Selectable);
}

TEST_F(HorizonGrid, CountsAndClampedSteps) {
  image.SetGridSettings(allLines);
  EXPECT_EQ(Calculate(grid).size(), 36u + 8u);
  EXPECT_EQ(grid.GetObjectCount(), 44);
  TGridSettings manual{{0, 0, 0, 0}, {0, -5, 3600, 600}, 0, 1, 1, 1};
  image.SetGridSettings(manual);
  EXPECT_TRUE(Calculate(grid).empty());  // both kinds off
  EXPECT_EQ(grid.AzimuthStep(), 1);
  EXPECT_EQ(grid.AltitudeStep(), 1);
  EXPECT_EQ(grid.AzimuthLineCount(), 21600);
  EXPECT_EQ(grid.AltitudeCircleCount(), 5399);
}

TEST(HorizontalDirections, AzimuthOnTheScreen) {
  struct TCase {
    int32_t azimuthArcmin;
    double rotation;
    bool mirror;
    bool fromSouth;
    double expected;  // 0 right, 90 up
  };
  const TCase cases[] = {
      {0, 0.0, false, false, 90.0},      // north up
      {0, 0.0, false, true, 270.0},      // south down
      {5400, 0.0, false, false, 180.0},  // east left
      {5400, 0.0, true, false, 0.0},     // mirrored: east right
      {0, 30.0, false, true, 300.0},
  };
  for (const TCase& c : cases) {
    THorizontalView v;
    v.rotationDeg = c.rotation;
    v.mirror = c.mirror;
    v.azimuthFromSouth = c.fromSouth;
    EXPECT_NEAR(AzimuthDirection(c.azimuthArcmin, v), c.expected, 1e-9) << c.azimuthArcmin;
  }
}

TEST_F(HorizonGrid, AltitudeCirclesAndAzimuthLinesInTheQuickView) {
  image.SetGridSettings(allLines);
  Calculate(grid);
  velarion::kit::TObjectRect rect;
  // The highest circle, 80: r = 400 tan 5 = 35.
  ASSERT_TRUE(grid.GetObjectRect(37, rect));
  EXPECT_EQ(rect.left, 400 - 35);
  EXPECT_EQ(rect.top, 400 - 35);
  // The 10 degree circle: r = 400 tan 40 = 335.6 -> 336.
  ASSERT_TRUE(grid.GetObjectRect(44, rect));
  EXPECT_EQ(rect.top, 400 - 336);
  // Azimuth 0 points up from the horizon to the 80 degree circle.
  ASSERT_TRUE(grid.GetObjectRect(1, rect));
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.bottom, 400 - 35);
}

TEST_F(HorizonGrid, RecordsAndNames) {
  image.SetGridSettings(allLines);
  Calculate(grid);
  std::array<std::byte, 9> record{};
  ASSERT_EQ(grid.GetObjectData(37, record), 9);
  EXPECT_EQ(velplatform::GetField<uint8_t>(record, 0), 2);
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, 1), 80.0);
  ASSERT_EQ(grid.GetObjectData(10, record), 9);
  EXPECT_EQ(velplatform::GetField<uint8_t>(record, 0), 1);
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, 1), 90.0);
  EXPECT_EQ(grid.GetObjectData(10, std::span(record).first(8)), 0);
  EXPECT_EQ(grid.GetObjectName(10), "\x01" + velplatform::Cp1251("Азимут=90° 0'"));
  EXPECT_EQ(grid.GetObjectName(44), "\x01" + velplatform::Cp1251("Высота=10° 0'"));
  TGridSettings noCircles = allLines;
  noCircles.lineVisible = {1, 0, 1, 1};
  image.SetGridSettings(noCircles);
  Calculate(grid);
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(grid.GetObjectRect(37, rect));
  EXPECT_EQ(grid.GetObjectData(37, record), 0);
  EXPECT_EQ(grid.GetObjectName(37), "");
}

TEST_F(HorizonGrid, CirclesOfRadiusZeroAreSkipped) {
  SetView(50.0, 0.0, 5);
  TGridSettings degree{{0, 1, 0, 0}, {600, 60, 3600, 600}, 0, 1, 1, 1};
  image.SetGridSettings(degree);
  const std::vector<int32_t> reported = Calculate(grid);
  const int32_t a = grid.AzimuthLineCount();
  // 89 degrees: 5 tan(0.5) rounds to 0; 40 degrees: 5 tan(25) = 2.3.
  EXPECT_EQ(std::count(reported.begin(), reported.end(), a + 1), 0);
  EXPECT_EQ(std::count(reported.begin(), reported.end(), a + 50), 1);
}

TEST(HorizontalDetailed, ACircleThatCrossesTheViewIsVisible) {
  // The lower arc leaves the view at both sides above it and dips below it in the middle.
  THorizontalView v;
  v.cx = 50;
  v.cy = 0;
  v.radius = 1000;
  v.view = {0, 100, 10, 20};
  TGridLine line;
  BuildDetailedAltitudeCircle(line, 30, 12, v);
  EXPECT_TRUE(line.visible);
  // Outside the view's columns altogether: nothing.
  v.view = {200, 300, 10, 20};
  BuildDetailedAltitudeCircle(line, 30, 12, v);
  EXPECT_FALSE(line.visible);
}

TEST(HorizontalDetailed, AzimuthLineClippedToTheView) {
  THorizontalView v;
  v.cx = 0;
  v.cy = 0;
  v.radius = 1000;
  v.view = {100, 300, -50, 50};
  TGridLine line;
  BuildDetailedAzimuthLine(line, 0.0, 0.1, 20, v);  // along +x from 100 to 1000
  ASSERT_TRUE(line.visible);
  ASSERT_EQ(line.points.Points().size(), 2u);
  EXPECT_EQ(line.points.Points()[0], (TPoint{100, 0}));
  EXPECT_EQ(line.points.Points()[1], (TPoint{300, 0}));
  // Both ends lie on the border: two labels, the right one moved in by half its width.
  EXPECT_EQ(line.labels[0], (TPoint{100, 0}));
  EXPECT_EQ(line.labels[1], (TPoint{290, 0}));
  BuildDetailedAzimuthLine(line, 90.0, 0.1, 20, v);  // straight up, beside the view
  EXPECT_FALSE(line.visible);
}

TEST(HorizontalDetailed, AzimuthExtentOfTheView) {
  EXPECT_DOUBLE_EQ(ViewAzimuthExtent({-10, 10, -10, 10}, 0, 0, 1.0), 360.0);
  // A view seen from a centre level with its middle, 100 to the left: +-45 degrees.
  EXPECT_NEAR(ViewAzimuthExtent({100, 200, -100, 100}, 0, 0, 1.0), 90.0, 1e-9);
  EXPECT_DOUBLE_EQ(DistanceToNearestEdge({100, 200, -100, 100}, 0, 0, 1.0), 100.0);
  EXPECT_DOUBLE_EQ(DistanceToNearestEdge({-10, 30, -20, 40}, 0, 0, 2.0), 10.0);
}

}  // namespace
