// XYToRaDec against RaDecToXY in both directions, in both projections, with and without
// refraction.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <memory>
#include <string>

#include "Projection.h"
#include "SkyTestSupport.h"

namespace velarion::sky::test {
namespace {

struct TRoundTripView {
  const char* name;
  bool stereographic;
  bool refraction;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TRoundTripView& value, std::ostream* out) { *out << value.name; }

class RoundTripTest : public ::testing::TestWithParam<TRoundTripView> {
 protected:
  std::unique_ptr<TProjection> Make(int32_t radius, double rotation, bool mirror,
                                    double yScale) const {
    TProjectionSetup setup = View(radius, 47.3, 19.6);
    setup.stereographic = GetParam().stereographic;
    setup.refraction = GetParam().refraction;
    setup.rotationDeg = rotation;
    setup.mirror = mirror;
    setup.yScale = yScale;
    setup.mjdUt = 58000.0;
    auto projection = std::make_unique<TProjection>();
    projection->SetProjection(setup);
    projection->SetEpoch(0.0, kEpochMeanOfEpoch);
    return projection;
  }
};

// Sky to pixel to sky at R = 10^6, where a pixel is 0.2 arcsecond; the iterations that
// remove refraction stop within a few arcseconds.
TEST_P(RoundTripTest, DirectionComesBackFromItsPixel) {
  const auto projection = Make(1000000, 33.0, true, 0.9);
  int compared = 0;
  for (const TRaDec& d : RandomDirections(3000, 99)) {
    const double altitude = HorizontalOf(d.raDeg, d.decDeg, 47.3, 19.6).altitudeDeg;
    if (altitude < 3.0) {
      continue;  // where the orthographic rim squeezes altitude into few pixels
    }
    const auto pixel = projection->RaDecToXY(d.raDeg, d.decDeg);
    ASSERT_TRUE(pixel.has_value()) << d.raDeg << " " << d.decDeg;
    const auto back = projection->XYToRaDec(pixel->x, pixel->y);
    ASSERT_TRUE(back.has_value()) << d.raDeg << " " << d.decDeg;
    EXPECT_GE(back->raDeg, 0.0);
    EXPECT_LT(back->raDeg, 360.0);
    EXPECT_LT(SeparationArcsec(back->raDeg, back->decDeg, d.raDeg, d.decDeg), 5.0)
        << d.raDeg << " " << d.decDeg;
    ++compared;
  }
  EXPECT_GT(compared, 1000);
}

// Pixel to sky to pixel from the zenith to one pixel inside the rim; at R = 10^5 the last
// dozen pixels hold apparent altitudes below 1 degree, where refraction is removed by the
// slow iteration.
TEST_P(RoundTripTest, PixelComesBackFromItsDirection) {
  constexpr int32_t kRadius = 100000;
  const auto projection = Make(kRadius, 0.0, false, 1.0);
  for (const int32_t distance : {0, 30000, 70000, 99000, 99900, 99980, 99990, 99995, 99999}) {
    for (int32_t angle = 0; angle < 360; angle += 11) {
      const int32_t x = 640 + static_cast<int32_t>(distance * std::cos(Rad(angle)));
      const int32_t y = 480 + static_cast<int32_t>(distance * std::sin(Rad(angle)));
      const auto direction = projection->XYToRaDec(x, y);
      ASSERT_TRUE(direction.has_value()) << distance << " " << angle;
      const auto pixel = projection->RaDecToXY(direction->raDeg, direction->decDeg);
      ASSERT_TRUE(pixel.has_value()) << distance << " " << angle;
      EXPECT_LE(Distance(*pixel, x, y), 1.0) << distance << " " << angle;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Views, RoundTripTest,
                         ::testing::Values(TRoundTripView{"Orthographic", false, false},
                                           TRoundTripView{"Stereographic", true, false},
                                           TRoundTripView{"OrthographicRefracted", false, true},
                                           TRoundTripView{"StereographicRefracted", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velarion::sky::test
