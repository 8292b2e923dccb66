#include "SkyGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace velarion::ui {
namespace {

TDiscView View() {
  TDiscView v;
  v.centreX = 300;
  v.centreY = 200;
  v.radius = 180;
  return v;
}

TEST(SkyGeometry, CentreIsTheZenith) {
  const TDiscPoint h = PixelToHorizontal(View(), 300, 200);
  EXPECT_TRUE(h.insideDisc);
  EXPECT_DOUBLE_EQ(h.altitudeDeg, 90.0);
  EXPECT_DOUBLE_EQ(h.azimuthDeg, 180.0);
}

TEST(SkyGeometry, CompassDirectionsCountedFromNorthAndFromSouth) {
  // North is up and east to the left, as on a sky map held overhead.
  struct TCase {
    bool fromSouth;
    int32_t x, y;
    double azimuth;
  };
  for (const TCase c : {TCase{false, 300, 100, 0.0},
                        {false, 200, 200, 90.0},
                        {false, 300, 300, 180.0},
                        {false, 400, 200, 270.0},
                        {true, 300, 300, 0.0},
                        {true, 400, 200, 90.0},
                        {true, 300, 100, 180.0}}) {
    TDiscView v = View();
    v.azimuthFromSouth = c.fromSouth;
    EXPECT_NEAR(PixelToHorizontal(v, c.x, c.y).azimuthDeg, c.azimuth, 1e-9) << c.x << "," << c.y;
  }
}

TEST(SkyGeometry, AltitudeOnTheHorizonAndOutside) {
  TDiscView v = View();
  EXPECT_NEAR(PixelToHorizontal(v, 480, 200).altitudeDeg, 0.0, 1e-9);
  EXPECT_FALSE(PixelToHorizontal(v, 481, 200).insideDisc);
  v.stereographic = false;
  EXPECT_NEAR(PixelToHorizontal(v, 390, 200).altitudeDeg, 60.0, 1e-9);  // arccos 0.5
  v.stereographic = true;
  // q = tan(z / 2): 30° altitude, z = 60°.
  const double q = std::tan(30.0 * std::numbers::pi / 180.0);
  EXPECT_NEAR(PixelToHorizontal(v, 300 + static_cast<int>(std::lround(q * 180)), 200).altitudeDeg,
              30.0, 0.3);
}

TEST(SkyGeometry, HorizontalToPixelInvertsThePixelReadOut) {
  for (const bool mirror : {false, true}) {
    for (const bool fromSouth : {false, true}) {
      for (const double rotation : {0.0, 37.0, 250.0}) {
        TDiscView v = View();
        v.mirror = mirror;
        v.azimuthFromSouth = fromSouth;
        v.rotationDeg = rotation;
        v.yScale = 1.25;
        for (const double azimuth : {10.0, 100.0, 200.0, 330.0}) {
          const TPixel p = HorizontalToPixel(v, azimuth, 25.0);
          const TDiscPoint back = PixelToHorizontal(v, p.x, p.y);
          const double error = std::fabs(std::remainder(back.azimuthDeg - azimuth, 360.0));
          EXPECT_LT(error, 1.0) << mirror << fromSouth << rotation << " " << azimuth;
          EXPECT_NEAR(back.altitudeDeg, 25.0, 1.0);
        }
      }
    }
  }
}

TEST(SkyGeometry, AngleIsExactForEqualAndVeryClosePoints) {
  EXPECT_EQ(AngleBetween(123.4, 56.7, 123.4, 56.7), 0.0);
  const double tiny = AngleBetween(10.0, 45.0, 10.0, 45.0 + 1e-9);
  EXPECT_FALSE(std::isnan(tiny));
  EXPECT_NEAR(tiny, 1e-9, 1e-14);  // the cosine form gives 0 or about 1e-6 here
  // Values for which the cosine form gives an argument just above 1.
  for (const double altitude : {0.0, 30.0, 89.999999, -45.0}) {
    const double a = AngleBetween(200.0, altitude, 200.0 + 1e-10, altitude);
    EXPECT_FALSE(std::isnan(a)) << altitude;
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 1e-9);
  }
}

TEST(SkyGeometry, AngleAgreesWithTheSphericalCosineWhereThatIsWellConditioned) {
  struct TCase {
    double a1, h1, a2, h2;
  };
  for (const TCase c : {TCase{0, 0, 90, 0},
                        {0, 0, 180, 0},
                        {0, 90, 123, 0},
                        {10, 20, 30, 40},
                        {350, -10, 20, 15}}) {
    const double d = std::numbers::pi / 180.0;
    const double cosine = std::sin(c.h1 * d) * std::sin(c.h2 * d) +
                          std::cos(c.h1 * d) * std::cos(c.h2 * d) * std::cos((c.a1 - c.a2) * d);
    EXPECT_NEAR(AngleBetween(c.a1, c.h1, c.a2, c.h2), std::acos(cosine) / d, 1e-9);
  }
}

TEST(SkyGeometry, PixelAngleNeedsBothPointsInsideTheDisc) {
  EXPECT_FALSE(PixelAngle(View(), 300, 200, 900, 200).has_value());
  EXPECT_DOUBLE_EQ(*PixelAngle(View(), 310, 210, 310, 210), 0.0);
  EXPECT_NEAR(*PixelAngle(View(), 300, 200, 480, 200), 90.0, 1e-9);
}

TEST(SkyGeometry, RotationDragFollowsThePointer) {
  const TDiscView v = View();
  // From straight up to the left of the centre: a quarter turn counter-clockwise.
  EXPECT_NEAR(DraggedRotation(v, 10.0, 300, 100, 200, 200), 100.0, 1e-9);
  EXPECT_NEAR(DraggedRotation(v, 10.0, 200, 200, 300, 100), 280.0, 1e-9);
  EXPECT_NEAR(DraggedRotation(v, 350.0, 300, 100, 300, 50), 350.0, 1e-9);
  EXPECT_DOUBLE_EQ(RotationChange(350.0, 10.0), 20.0);
  EXPECT_DOUBLE_EQ(RotationChange(10.0, 350.0), -20.0);
  EXPECT_DOUBLE_EQ(RotationChange(0.0, 180.0), 180.0);
}

TEST(SkyGeometry, PanningKeepsPartOfTheDiscInView) {
  struct TCase {
    TViewOffset from;
    int32_t dx, dy;
    TViewOffset to;
  };
  // Radius 1000, window 800 × 600: x in -1040 … 240, y in -1040 … 440.
  for (const TCase c : {TCase{{0, 0}, 20, -20, {20, -20}},
                        {{230, 0}, 20, 0, {240, 0}},
                        {{-1030, -1030}, -20, -20, {-1040, -1040}},
                        {{0, 430}, 0, 20, {0, 440}}}) {
    EXPECT_EQ(PannedOffset(c.from, c.dx, c.dy, 1000, 1.0, 800, 600), c.to);
  }
}

TEST(SkyGeometry, ReduceDegrees) {
  EXPECT_DOUBLE_EQ(ReduceDegrees(-10.0), 350.0);
  EXPECT_DOUBLE_EQ(ReduceDegrees(360.0), 0.0);
  EXPECT_DOUBLE_EQ(ReduceDegrees(725.0), 5.0);
  EXPECT_LT(ReduceDegrees(-1e-15), 360.0);
}

}  // namespace
}  // namespace velarion::ui
