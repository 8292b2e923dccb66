#include "ZoomSteps.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velarion::ui {
namespace {

TEST(ZoomSteps, PageUpAndPageDownStepByIntegerThirds) {
  struct TCase {
    int32_t zoom, in, out;
  };
  for (const TCase c :
       {TCase{100, 150, 66}, {150, 225, 100}, {51, 76, 34}, {200000, 300000, 133333}}) {
    EXPECT_EQ(ZoomInStep(c.zoom), c.in) << c.zoom;
    EXPECT_EQ(ZoomOutStep(c.zoom), c.out) << c.zoom;
  }
}

TEST(ZoomSteps, DigitKeys) {
  const int32_t expected[10] = {50000, 100, 150, 200, 250, 350, 600, 1000, 3000, 8000};
  for (int digit = 0; digit <= 9; ++digit) EXPECT_EQ(DigitZoom(digit), expected[digit]) << digit;
  EXPECT_FALSE(DigitZoom(10).has_value());
  EXPECT_FALSE(DigitZoom(-1).has_value());
}

TEST(ZoomSteps, RegionZoomOfAClickIsTheWindowWidthOrHeight) {
  // A click without dragging: a 1 × 1 band.
  const TRegionZoom wide = RegionZoom(100, 40, 30, 40, 30, 800, 500);
  EXPECT_EQ(wide.zoom, 100 * 500);  // 800 would make the band 800 high, more than 500
  EXPECT_EQ(wide.centreX, 40);
  EXPECT_EQ(wide.centreY, 30);
  const TRegionZoom tall = RegionZoom(100, 0, 0, 0, 0, 400, 700);
  EXPECT_EQ(tall.zoom, 100 * 400);
}

TEST(ZoomSteps, RegionZoomFitsTheBandAndCentresIt) {
  const TRegionZoom r = RegionZoom(200, 300, 100, 100, 199, 800, 600);  // 201 × 100 band
  EXPECT_EQ(r.zoom, static_cast<int32_t>(std::lround(800.0 / 201 * 200)));
  EXPECT_EQ(r.centreX, 200);
  EXPECT_EQ(r.centreY, 149);
}

TEST(ZoomSteps, ScrollKeepsThePointUnderTheSameWindowPosition) {
  struct TCase {
    TDiscLayout before, after;
    int32_t px, py, wx, wy;
  };
  const TCase cases[] = {
      {{400, 300, 250}, {700, 650, 375}, 460, 340, 460, 340},  // quick view, point right of centre
      {{400, 300, 250}, {0, 0, 375}, 100, 500, 100, 500},      // to the detailed view
      {{-1000, -800, 3000}, {0, 0, 4500}, 10, 20, 10, 20},     // detailed to detailed
      {{700, 650, 375}, {400, 300, 250}, 900, 600, 400, 300},  // point moved to the middle
  };
  for (const TCase& c : cases) {
    const TScrollOffset s = ScrollKeepingPoint(c.before, c.after, c.px, c.py, c.wx, c.wy);
    // The point's place in the new layout, seen through the new scroll offset.
    const double k = static_cast<double>(c.after.radius) / c.before.radius;
    EXPECT_NEAR(c.after.centreX + (c.px - c.before.centreX) * k - s.x, c.wx, 0.5);
    EXPECT_NEAR(c.after.centreY + (c.py - c.before.centreY) * k - s.y, c.wy, 0.5);
  }
}

TEST(ZoomSteps, QuickImageIsTheDiscWithItsMargins) {
  const TImageSize size = QuickImageSize(250, 1.0);
  const int32_t margin = static_cast<int32_t>(std::lround(std::log(251.0) * 3.5));  // 19
  EXPECT_EQ(margin, 19);
  EXPECT_EQ(size.width, 2 * (250 + 19));
  EXPECT_EQ(size.height, 2 * (250 + 19));
  EXPECT_EQ(QuickImageSize(100, 2.0).height, 2 * (200 + 32));
}

}  // namespace
}  // namespace velarion::ui
