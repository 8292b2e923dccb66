// Disc outlines: points on the sphere, the counts of the lit and unlit outlines, their
// places on the map, the edge of the visible sky, and the clip of the eclipse shading.
#include "DiscOutline.h"

#include "ProjectionExports.h"
#include "SolarTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

using namespace velarion::solar;
using velplatform::TPoint;
using veltest::Rad;
using veltest::SeparationArcsec;

// Position angle (degrees from north through east) of (ra, dec) seen from (ra0, dec0).
double PositionAngle(double ra0, double dec0, double ra, double dec) {
  const double da = Rad(ra - ra0);
  const double y = std::sin(da) * std::cos(Rad(dec));
  const double x = std::cos(Rad(dec0)) * std::sin(Rad(dec)) -
                   std::sin(Rad(dec0)) * std::cos(Rad(dec)) * std::cos(da);
  return std::fmod(std::atan2(y, x) * 180.0 / std::numbers::pi + 360.0, 360.0);
}

double Area(std::span<const TPoint> polygon) {
  double twice = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const TPoint& a = polygon[i];
    const TPoint& b = polygon[(i + 1) % polygon.size()];
    twice += double(a.x) * b.y - double(b.x) * a.y;
  }
  return std::fabs(twice) / 2.0;
}

TEST(SpereRaDecShift, CirclePointsLieAtTheRadiusInTheirDirection) {
  TSpereRaDecShift shape(10.0, 20.0);
  shape.SetCircle(1.0);
  for (double pa = 0.0; pa < 360.0; pa += 22.5) {
    double ra = 0.0, dec = 0.0;
    shape.PointAt(pa, ra, dec);
    EXPECT_NEAR(SeparationArcsec(10.0, 20.0, ra, dec), 3600.0, 1e-6) << pa;
    EXPECT_NEAR(std::remainder(PositionAngle(10.0, 20.0, ra, dec) - pa, 360.0), 0.0, 1e-7) << pa;
  }
  double ra = 0.0, dec = 0.0;
  shape.PointAt(0.0, ra, dec);
  EXPECT_NEAR(dec, 21.0, 1e-12);
  EXPECT_NEAR(ra, 10.0, 1e-12);
}

TEST(SpereRaDecShift, AroundThePoleEveryPointIsDefined) {
  TSpereRaDecShift shape(45.0, 90.0);
  shape.SetCircle(2.0);
  for (double pa = 0.0; pa < 360.0; pa += 45.0) {
    double ra = -1.0, dec = 0.0;
    shape.PointAt(pa, ra, dec);
    EXPECT_NEAR(dec, 88.0, 1e-9) << pa;
    EXPECT_TRUE(ra >= 0.0 && ra < 360.0) << pa;
  }
}

TEST(SpereRaDecShift, EllipseAxesPointWhereTheyAreSet) {
  TSpereRaDecShift shape(200.0, -30.0);
  shape.SetEllipse(30.0, -0.5, 1.0);
  double ra = 0.0, dec = 0.0;
  shape.PointAt(30.0, ra, dec);
  EXPECT_NEAR(SeparationArcsec(200.0, -30.0, ra, dec), 3600.0, 1e-6);
  EXPECT_NEAR(PositionAngle(200.0, -30.0, ra, dec), 30.0, 1e-7);
  // A quarter turn on lies the b-axis; b < 0 puts it on the other side.
  shape.PointAt(120.0, ra, dec);
  EXPECT_NEAR(SeparationArcsec(200.0, -30.0, ra, dec), 1800.0, 1e-6);
  EXPECT_NEAR(PositionAngle(200.0, -30.0, ra, dec), 300.0, 1e-7);
  // Nearly round: the circle of radius a.
  shape.SetEllipse(30.0, -1.0 + 1e-13, 1.0);
  shape.PointAt(120.0, ra, dec);
  EXPECT_NEAR(SeparationArcsec(200.0, -30.0, ra, dec), 3600.0, 1e-6);
}

// A map with the zenith at RA 90, Dec 40 in the middle of a 2000 x 2000 picture.
class DiscOutline : public testing::Test {
 protected:
  void SetUp() override { velarion::sky::InitProjectionTables(); }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }
  void Map(int32_t radius) {
    velarion::sky::TProjectionSetup setup;
    setup.centreX = 1000;
    setup.centreY = 1000;
    setup.radius = radius;
    setup.latitudeDeg = 40.0;
    setup.siderealHours = 6.0;
    setup.mjdUt = 51544.5;
    velarion::sky::SetProjection(setup);
    SetEpoch(0.0, velarion::sky::kEpochMeanOfDate);
  }
  static int32_t PointsPerHalf(double radiusDeg, int32_t horizonRadius) {
    const double rpx = std::nearbyint(std::sin(Rad(radiusDeg)) * horizonRadius);
    const double step = std::min(8000.0 / (2.0 * std::numbers::pi * rpx), 10.0);
    return static_cast<int32_t>(180.0 / step) + 1;
  }
};

TEST_F(DiscOutline, CountsOfFullNewAndPartialDiscs) {
  const struct {
    double radius;
    int32_t horizon;
    double cosPhase;
  } cases[] = {{0.5, 1000, 1.0},    {0.5, 1000, 0.9962},  {0.5, 1000, -0.9962}, {0.5, 1000, 0.3},
               {0.25, 100000, 1.0}, {0.25, 100000, -0.5}, {1.0, 20000, 0.0}};
  for (const auto& c : cases) {
    Map(c.horizon);
    const TDiscOutline o = BuildDiscOutline(90.0, 40.0, c.radius, c.horizon, 30.0, c.cosPhase);
    const int32_t n = PointsPerHalf(c.radius, c.horizon);
    if (c.cosPhase >= 0.996195) {
      EXPECT_EQ(o.litCount, 2 * n);
      EXPECT_EQ(o.unlitCount, 0);
    } else if (c.cosPhase <= -0.996195) {
      EXPECT_EQ(o.unlitCount, 2 * n);
      EXPECT_EQ(o.litCount, 0);
    } else {
      EXPECT_EQ(o.unlitStart, 1);
      EXPECT_EQ(o.unlitCount, 2 * n);
      EXPECT_EQ(o.litStart, n + 1);
      EXPECT_EQ(o.litCount, 2 * n);
      EXPECT_EQ(o.points.size(), std::size_t(3 * n));
    }
  }
  EXPECT_EQ(PointsPerHalf(0.5, 1000), 19);     // small: 10 degree steps
  EXPECT_EQ(PointsPerHalf(0.25, 100000), 62);  // about 22 pixels apart
}

TEST_F(DiscOutline, AtTheZenithTheLimbLiesAtTheDiscRadius) {
  Map(20000);
  const TDiscOutline o = BuildDiscOutline(90.0, 40.0, 1.0, 20000, 0.0, 1.0);
  const double rpx = std::nearbyint(std::sin(Rad(1.0)) * 20000);
  TPoint centre;
  ASSERT_TRUE(RaDecToXY(90.0, 40.0, &centre.x, &centre.y));
  for (const TPoint& p : o.Lit()) EXPECT_NEAR(std::hypot(p.x - centre.x, p.y - centre.y), rpx, 1.5);
  EXPECT_NEAR(o.rect.left, centre.x - rpx, 1.5);
  EXPECT_NEAR(o.rect.right, centre.x + rpx, 1.5);
  EXPECT_NEAR(o.rect.top, centre.y - rpx, 1.5);
  EXPECT_NEAR(o.rect.bottom, centre.y + rpx, 1.5);
}

TEST_F(DiscOutline, TheLitAreaIsTheIlluminatedFraction) {
  Map(20000);
  const double rpx = std::nearbyint(std::sin(Rad(1.0)) * 20000);
  for (double cosPhase : {-0.8, -0.3, 0.0, 0.5, 0.9}) {
    const TDiscOutline o = BuildDiscOutline(90.0, 40.0, 1.0, 20000, 75.0, cosPhase);
    const double disc = std::numbers::pi * rpx * rpx;
    EXPECT_NEAR(Area(o.Lit()) / disc, (1.0 + cosPhase) / 2.0, 0.01) << cosPhase;
    EXPECT_NEAR(Area(o.Unlit()) / disc, (1.0 - cosPhase) / 2.0, 0.01) << cosPhase;
  }
}

TEST_F(DiscOutline, OnTheHorizonOnlyTheVisibleHalfIsTracedWithEdgePoints) {
  Map(1000);
  // Due north on the horizon: Dec 50, hour angle 12h.
  const TDiscOutline o = BuildDiscOutline(270.0, 50.0, 5.0, 1000, 0.0, 1.0);
  ASSERT_GT(o.litCount, 4);
  const int32_t n = PointsPerHalf(5.0, 1000);
  EXPECT_LT(o.litCount, 2 * n);
  int32_t onEdge = 0;
  for (const TPoint& p : o.Lit()) {
    const double fromCentre = std::hypot(p.x - 1000, p.y - 1000);
    EXPECT_LE(fromCentre, 1001.5);
    if (fromCentre > 998.0) ++onEdge;
  }
  EXPECT_GE(onEdge, 2);  // where the limb meets the edge of the sky, on both sides
}

TEST_F(DiscOutline, BelowOnePixelOrBelowTheHorizonThereIsNoOutline) {
  Map(1000);
  for (const TDiscOutline& o : {BuildDiscOutline(90.0, 40.0, 0.01, 1000, 0.0, 1.0),
                                BuildDiscOutline(90.0, 40.0, 0.5, 0, 0.0, 1.0),
                                BuildDiscOutline(270.0, -50.0, 0.5, 1000, 0.0, 1.0)}) {
    EXPECT_TRUE(o.Empty());
    EXPECT_EQ(o.rect.left, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(o.rect.right, -std::numeric_limits<int32_t>::max());
  }
}

TEST(DrawnDisc, SmallDiscsGrowToTheLargestStarSymbol) {
  // 16' on a 500-pixel horizon is 2 pixels: the 9-pixel symbol wins, 9/2 + 1 = 5 pixels.
  EXPECT_NEAR(DrawnRadiusDeg(16.0, 30.0, 500, 9, false),
              std::asin(5.0 / 500) * 180 / std::numbers::pi, 1e-12);
  EXPECT_NEAR(DrawnRadiusDeg(16.0, 30.0, 500, 9, true),
              std::asin(5.0 / 500) * 180 / std::numbers::pi * 1.5, 1e-12);
  EXPECT_DOUBLE_EQ(DrawnRadiusDeg(16.0, 30.0, 50000, 9, true), 16.0 / 60.0);
}

TEST(DrawnDisc, ADiscOnTheHorizonIsDrawnDownToTheRefractionAllowance) {
  EXPECT_TRUE(AboveDrawingHorizon(-0.2, 16.0));
  EXPECT_TRUE(AboveDrawingHorizon(-0.96, 16.0));  // threshold -16/61 - 0.7 = -0.9623
  EXPECT_FALSE(AboveDrawingHorizon(-0.963, 16.0));
}

TEST(ConvexClip, KeepsThePartOfAConcavePolygonInsideTheClip) {
  const std::vector<TPoint> u = {{0, 0},   {30, 0},  {30, 30}, {20, 30},
                                 {20, 10}, {10, 10}, {10, 30}, {0, 30}};
  std::vector<TPoint> square = {{5, 5}, {25, 5}, {25, 25}, {5, 25}};
  EXPECT_DOUBLE_EQ(Area(IntersectWithConvex(u, square)), 250.0);
  std::reverse(square.begin(), square.end());
  EXPECT_DOUBLE_EQ(Area(IntersectWithConvex(u, square)), 250.0);
  const std::vector<TPoint> far = {{100, 100}, {110, 100}, {110, 110}};
  EXPECT_TRUE(IntersectWithConvex(u, far).empty());
  const std::vector<TPoint> flat = {{0, 0}, {10, 0}, {20, 0}};
  EXPECT_TRUE(IntersectWithConvex(u, flat).empty());
}

}  // namespace
