// GetVisibleRaDecRange against the RA/Dec extremes of the rectangle's outline worked out
// with the textbook inverse of the projection.
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cmath>
#include <memory>

#include "Projection.h"
#include "SkyTestSupport.h"

namespace velarion::sky::test {
namespace {

constexpr int32_t kRadius = 500;

// Equatorial direction (frame of date) of a pixel of an unrotated map.
TRaDec DirectionOfPixel(double x, double y, const TProjectionSetup& setup) {
  const double dx = x - setup.centreX;
  const double dy = (setup.centreY - y) / setup.yScale;
  const double r = std::hypot(dx, dy) / setup.radius;
  const double altitude = setup.stereographic ? 90.0 - 2.0 * Deg(std::atan(r)) : Deg(std::acos(r));
  const double azimuth = Deg(std::atan2(-dx, dy));
  const double lat = Rad(setup.latitudeDeg);
  const double h = Rad(altitude);
  const double az = Rad(azimuth);
  const double sinDec = std::sin(lat) * std::sin(h) + std::cos(lat) * std::cos(h) * std::cos(az);
  const double hourAngle =
      std::atan2(-std::cos(h) * std::sin(az),
                 std::cos(lat) * std::sin(h) - std::sin(lat) * std::cos(h) * std::cos(az));
  double ra = std::fmod(15.0 * setup.siderealHours - Deg(hourAngle) + 720.0, 360.0);
  return {ra, Deg(std::asin(sinDec))};
}

// Extremes along the outline of the visible part of a rectangle, RA kept on the far side of
// 360 when it straddles RA 0. Stretches of the rectangle outside the circle are replaced by
// the horizon beside them.
TRaDecRange OutlineRange(const TPixelRect& rect, const TProjectionSetup& setup, bool straddles) {
  TRaDecRange range{1e9, -1e9, 1e9, -1e9};
  const auto add = [&](double x, double y) {
    const double dx = x - setup.centreX;
    const double dy = (y - setup.centreY) / setup.yScale;
    const double scale = std::min(1.0, setup.radius / std::hypot(dx, dy));
    TRaDec d = DirectionOfPixel(setup.centreX + dx * scale,
                                setup.centreY + dy * scale * setup.yScale, setup);
    if (straddles && d.raDeg < 180.0) {
      d.raDeg += 360.0;
    }
    range.raMinDeg = std::min(range.raMinDeg, d.raDeg);
    range.raMaxDeg = std::max(range.raMaxDeg, d.raDeg);
    range.decMinDeg = std::min(range.decMinDeg, d.decDeg);
    range.decMaxDeg = std::max(range.decMaxDeg, d.decDeg);
  };
  for (double t = 0.0; t <= 1.0; t += 1.0 / 4096) {
    add(rect.left + t * (rect.right - rect.left), rect.top);
    add(rect.left + t * (rect.right - rect.left), rect.bottom);
    add(rect.left, rect.top + t * (rect.bottom - rect.top));
    add(rect.right, rect.top + t * (rect.bottom - rect.top));
  }
  return range;
}

struct TRangeCase {
  const char* name;
  double latitude;
  double sidereal;
  bool stereographic;
  TPixelRect rect;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TRangeCase& value, std::ostream* out) { *out << value.name; }

class VisibleRangeTest : public ::testing::TestWithParam<TRangeCase> {
 protected:
  VisibleRangeTest() {
    const TRangeCase& c = GetParam();
    setup_ = View(kRadius, c.latitude, c.sidereal);
    setup_.stereographic = c.stereographic;
    projection_->SetProjection(setup_);
    projection_->SetEpoch(0.0, kEpochTrueOfDate);
  }

  TRaDecRange Range() const {
    return projection_->GetVisibleRaDecRange(GetParam().rect, setup_.centreX, setup_.centreY,
                                             setup_.radius, setup_.yScale);
  }

  TProjectionSetup setup_;
  std::unique_ptr<TProjection> projection_ = std::make_unique<TProjection>();
};

class PoleInsideTest : public VisibleRangeTest {};

TEST_P(PoleInsideTest, RectangleAroundAPoleCoversEveryRightAscension) {
  const TRaDecRange range = Range();
  const TRaDecRange outline = OutlineRange(GetParam().rect, setup_, false);
  EXPECT_EQ(range.raMinDeg, 0.0);
  EXPECT_EQ(range.raMaxDeg, 360.0);
  if (setup_.latitudeDeg > 0.0) {
    EXPECT_EQ(range.decMaxDeg, 90.0);
    EXPECT_NEAR(range.decMinDeg, outline.decMinDeg, 0.05);
  } else {
    EXPECT_EQ(range.decMinDeg, -90.0);
    EXPECT_NEAR(range.decMaxDeg, outline.decMaxDeg, 0.05);
  }
}

// The north pole stands 321 px above the centre at latitude 50 (orthographic), the south
// pole 410 px below it at latitude -35; the rectangles lie inside the circle.
INSTANTIATE_TEST_SUITE_P(
    Poles, PoleInsideTest,
    ::testing::Values(TRangeCase{"North", 50.0, 3.0, false, {590, 110, 690, 210}},
                      TRangeCase{"NorthOffCentre", 50.0, 17.5, false, {560, 140, 700, 170}},
                      TRangeCase{"NorthStereographic", 50.0, 9.0, true, {600, 200, 680, 330}},
                      TRangeCase{"South", -35.0, 11.0, false, {600, 850, 680, 930}}),
    [](const auto& info) { return std::string(info.param.name); });

class PoleOutsideTest : public VisibleRangeTest {};

TEST_P(PoleOutsideTest, RangeMatchesTheOutline) {
  const TRaDecRange range = Range();
  const bool straddles = range.raMaxDeg > 360.0;
  const TRaDecRange outline = OutlineRange(GetParam().rect, setup_, straddles);
  EXPECT_NEAR(range.raMinDeg, outline.raMinDeg, 0.05);
  EXPECT_NEAR(range.raMaxDeg, outline.raMaxDeg, 0.05);
  EXPECT_NEAR(range.decMinDeg, outline.decMinDeg, 0.05);
  EXPECT_NEAR(range.decMaxDeg, outline.decMaxDeg, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Outlines, PoleOutsideTest,
    ::testing::Values(TRangeCase{"AcrossRaZero", 0.0, 0.0, false, {540, 380, 740, 580}},
                      TRangeCase{
                          "AcrossRaZeroStereographic", 20.0, 23.9, true, {500, 400, 760, 700}},
                      TRangeCase{"Southern", -30.0, 14.0, false, {400, 500, 700, 800}},
                      TRangeCase{"NearThePole", 60.0, 6.0, false, {700, 200, 900, 300}}),
    [](const auto& info) { return std::string(info.param.name); });

// A rectangle reaching past the northern horizon: its outline there follows the circle.
TEST(VisibleRangeHorizonTest, RectanglePastTheHorizonIsClippedToIt) {
  TProjectionSetup setup = View(kRadius, 50.0, 3.0);
  setup.stereographic = true;
  auto projection = std::make_unique<TProjection>();
  projection->SetProjection(setup);
  projection->SetEpoch(0.0, kEpochTrueOfDate);
  const TPixelRect rect{440, -100, 840, 330};  // the pole is at (640, 298)
  const TRaDecRange range = projection->GetVisibleRaDecRange(rect, 640, 480, kRadius, 1.0);
  const TRaDecRange outline = OutlineRange(rect, setup, false);
  EXPECT_EQ(range.raMinDeg, 0.0);
  EXPECT_EQ(range.raMaxDeg, 360.0);
  EXPECT_EQ(range.decMaxDeg, 90.0);
  EXPECT_NEAR(range.decMinDeg, outline.decMinDeg, 0.05);
}

}  // namespace
}  // namespace velarion::sky::test
