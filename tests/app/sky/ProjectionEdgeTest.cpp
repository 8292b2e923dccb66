// Behaviour of the exact conversions at the edges where faults hide: the horizon, the
// zenith, frame selection and its caches, the starting state and unusable radii.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "Projection.h"
#include "SkyTestSupport.h"
#include "velastro.h"

namespace velarion::sky::test {
namespace {

constexpr double kStandardPressure = 1010.0;
constexpr double kStandardTemperature = 10.0;

// Projections are large (their integer tables); keep them off the stack.
std::unique_ptr<TProjection> Projected(const TProjectionSetup& setup, uint16_t epochType,
                                       double epoch = 0.0) {
  auto projection = std::make_unique<TProjection>();
  projection->SetProjection(setup);
  projection->SetEpoch(epoch, epochType);
  return projection;
}

TEST(ProjectionEdgeTest, HorizonPointsAreVisibleWithoutRefraction) {
  // On the equator at sidereal time 0 the east point is RA 90 and the north point Dec 90.
  TProjectionSetup setup = View(500, 0.0, 0.0);
  const auto projection = Projected(setup, kEpochTrueOfDate);
  EXPECT_EQ(projection->RaDecToXY(90.0, 0.0), (TPixel{640 - 500, 480}));
  EXPECT_EQ(projection->RaDecToXY(0.0, 90.0), (TPixel{640, 480 - 500}));
  EXPECT_FALSE(projection->RaDecToXY(90.01, 0.0).has_value());
}

TEST(ProjectionEdgeTest, RefractionShowsStarsBetweenTheTrueAndTheApparentHorizon) {
  // At the north pole altitude equals declination.
  TProjectionSetup setup = View(500, 90.0, 0.0);
  const double h0 =
      Deg(std::asin(TRefractionTable(kStandardPressure, kStandardTemperature).HorizonSine()));
  ASSERT_LT(h0, -0.4);
  for (const double h : {-0.05, h0 / 2.0, h0 + 0.01}) {
    setup.refraction = false;
    EXPECT_FALSE(Projected(setup, kEpochTrueOfDate)->RaDecToXY(30.0, h).has_value()) << h;
    setup.refraction = true;
    const double apparent = h + refrac(h, kStandardPressure, kStandardTemperature);
    for (const bool stereographic : {false, true}) {
      setup.stereographic = stereographic;
      const double expected = stereographic ? 500 * std::tan(Rad((90.0 - apparent) / 2.0))
                                            : 500 * std::cos(Rad(apparent));
      for (const bool quick : {false, true}) {
        setup.quick = quick;
        const auto projection = Projected(setup, kEpochTrueOfDate);
        const auto pixel = quick ? projection->QuickRaDecToXY(1800, static_cast<int32_t>(h * 60))
                                 : projection->RaDecToXY(30.0, h);
        ASSERT_TRUE(pixel.has_value()) << h << " quick " << quick;
        const double distance = Distance(*pixel, 640, 480);
        EXPECT_LE(distance, 500.5) << h << " quick " << quick;
        EXPECT_NEAR(distance, expected, quick ? 3.0 : 0.75) << h << " quick " << quick;
      }
    }
  }
  setup.refraction = true;
  setup.quick = false;
  EXPECT_FALSE(Projected(setup, kEpochTrueOfDate)->RaDecToXY(30.0, h0 - 0.01).has_value());
}

// Distance of refracted stars from the centre against the model's apparent altitude; R is
// large so that the refraction itself spans hundreds of pixels.
TEST(ProjectionEdgeTest, RefractionLiftsStarsByTheModelsAmount) {
  constexpr int32_t kRadius = 100000;
  TProjectionSetup setup = View(kRadius, 90.0, 0.0);
  setup.refraction = true;
  for (const bool stereographic : {false, true}) {
    setup.stereographic = stereographic;
    const auto projection = Projected(setup, kEpochTrueOfDate);
    for (const double h : {-0.4, 0.3, 2.0, 7.0, 12.0, 20.0, 45.0, 75.0}) {
      const double apparent = h + refrac(h, kStandardPressure, kStandardTemperature);
      const double expected = stereographic ? kRadius * std::tan(Rad((90.0 - apparent) / 2.0))
                                            : kRadius * std::cos(Rad(apparent));
      const auto pixel = projection->RaDecToXY(123.0, h);
      ASSERT_TRUE(pixel.has_value()) << h;
      EXPECT_NEAR(Distance(*pixel, 640, 480), expected, 2.0) << h << " stereo " << stereographic;
    }
  }
}

TEST(ProjectionEdgeTest, StereographicAndOrthographicAgreeOnlyAtRimAndZenith) {
  TProjectionSetup setup = View(500, 90.0, 0.0);
  const auto orthographic = Projected(setup, kEpochTrueOfDate);
  setup.stereographic = true;
  const auto stereographic = Projected(setup, kEpochTrueOfDate);
  for (const double h : {0.0, 10.0, 30.0, 45.0, 60.0, 80.0, 90.0}) {
    const double ra = 40.0 + h;
    const auto o = orthographic->RaDecToXY(ra, h);
    const auto s = stereographic->RaDecToXY(ra, h);
    ASSERT_TRUE(o && s) << h;
    EXPECT_NEAR(Distance(*o, 640, 480), 500 * std::cos(Rad(h)), 0.75) << h;
    EXPECT_NEAR(Distance(*s, 640, 480), 500 * std::tan(Rad((90.0 - h) / 2.0)), 0.75) << h;
    if (h == 0.0 || h == 90.0) {
      EXPECT_EQ(*o, *s) << h;
    } else {
      EXPECT_GT(Distance(*o, s->x, s->y), 20.0) << h;
    }
  }
}

TEST(ProjectionEdgeTest, ZenithPixelIsLatitudeAndSiderealTime) {
  struct TCase {
    double latitude;
    double sidereal;
    bool stereographic;
    bool refraction;
    double rotation;
    bool mirror;
    double yScale;
  };
  for (const TCase& c : {TCase{55.75, 3.2, false, false, 0.0, false, 1.0},
                         TCase{-33.9, 23.99, true, false, 17.0, true, 0.8},
                         TCase{0.0, 0.0, false, true, 200.0, false, 1.0},
                         TCase{89.9, 12.5, true, true, 0.0, true, 1.3},
                         TCase{-90.0, 7.0, false, false, 90.0, false, 1.0}}) {
    TProjectionSetup setup = View(500, c.latitude, c.sidereal);
    setup.stereographic = c.stereographic;
    setup.refraction = c.refraction;
    setup.rotationDeg = c.rotation;
    setup.mirror = c.mirror;
    setup.yScale = c.yScale;
    const auto trueFrame = Projected(setup, kEpochTrueOfDate)->XYToRaDec(640, 480);
    ASSERT_TRUE(trueFrame.has_value());
    EXPECT_LT(SeparationArcsec(trueFrame->raDeg, trueFrame->decDeg, 15.0 * c.sidereal, c.latitude),
              1e-6)
        << c.latitude << " " << c.sidereal;
    // Mean equator of date: off by the nutation only, under 20 arcseconds.
    const auto meanFrame = Projected(setup, kEpochMeanOfDate)->XYToRaDec(640, 480);
    ASSERT_TRUE(meanFrame.has_value());
    EXPECT_LT(SeparationArcsec(meanFrame->raDeg, meanFrame->decDeg, 15.0 * c.sidereal, c.latitude),
              20.0);
  }
}

TEST(ProjectionEdgeTest, RotationTurnsAndMirrorFlipsAboutTheZenith) {
  TProjectionSetup setup = View(500, 48.0, 5.0);
  const THorizontal h = HorizontalOf(100.0, 30.0, 48.0, 5.0);
  const TPointD plain = ExpectedPixel(h, setup);
  const double right = plain.x - 640;
  const double up = 480 - plain.y;
  for (const double rotation : {0.0, 30.0, 90.0, 245.0}) {
    for (const bool mirror : {false, true}) {
      setup.rotationDeg = rotation;
      setup.mirror = mirror;
      const auto pixel = Projected(setup, kEpochTrueOfDate)->RaDecToXY(100.0, 30.0);
      ASSERT_TRUE(pixel.has_value());
      const double x = mirror ? -right : right;
      const double a = Rad(rotation);
      EXPECT_NEAR(pixel->x, 640 + x * std::cos(a) - up * std::sin(a), 1.0) << rotation << mirror;
      EXPECT_NEAR(pixel->y, 480 - (x * std::sin(a) + up * std::cos(a)), 1.0) << rotation << mirror;
    }
  }
}

// At R = 10^6 one pixel is 0.2 arcsecond, so a year of precession moves a star far.
class EpochTest : public ::testing::Test {
 protected:
  static constexpr double kRa = 84.0;
  static constexpr double kDec = 40.0;

  EpochTest() {
    setup_ = View(1000000, 40.0, 5.5);
    setup_.mjdUt = 60000.0;
    projection_->SetProjection(setup_);
  }

  TPixel At(TProjection& projection) const { return projection.RaDecToXY(kRa, kDec).value(); }

  TPixel Fresh(double epoch, uint16_t epochType) const {
    return At(*Projected(setup_, epochType, epoch));
  }

  TProjectionSetup setup_;
  std::unique_ptr<TProjection> projection_ = std::make_unique<TProjection>();
};

TEST_F(EpochTest, NearlyEqualEpochKeepsTheFirstMatrixWithoutDrifting) {
  projection_->SetEpoch(0.5, kEpochMeanOfEpoch);
  const TPixel first = At(*projection_);
  EXPECT_EQ(first, Fresh(0.5, kEpochMeanOfEpoch));
  projection_->SetEpoch(0.504, kEpochMeanOfEpoch);
  EXPECT_EQ(At(*projection_), first);
  // Measured from the epoch in force (0.5), not from the one last asked for (0.504).
  projection_->SetEpoch(0.508, kEpochMeanOfEpoch);
  const TPixel moved = At(*projection_);
  EXPECT_EQ(moved, Fresh(0.508, kEpochMeanOfEpoch));
  EXPECT_GT(Distance(moved, first.x, first.y), 50.0);
}

TEST_F(EpochTest, CachedCatalogueEpochServesNearbyEpochs) {
  projection_->SetEpoch(-0.5, kEpochMeanOfEpoch);
  const TPixel b1950 = At(*projection_);
  projection_->SetEpoch(0.25, kEpochMeanOfEpoch);
  projection_->SetEpoch(-0.503, kEpochMeanOfEpoch);
  EXPECT_EQ(At(*projection_), b1950);
  EXPECT_NE(Fresh(-0.503, kEpochMeanOfEpoch), b1950);
}

TEST_F(EpochTest, HorizontalKindLeavesTheMatrixInForce) {
  projection_->SetEpoch(0.0, kEpochTrueOfDate);
  const TPixel trueOfDate = At(*projection_);
  projection_->SetEpoch(0.7, kEpochHorizontal);
  EXPECT_EQ(At(*projection_), trueOfDate);
  projection_->SetEpoch(0.0, kEpochMeanOfDate);
  const TPixel meanOfDate = At(*projection_);
  EXPECT_GT(Distance(meanOfDate, trueOfDate.x, trueOfDate.y), 20.0);
  projection_->SetEpoch(0.0, kEpochHorizontal);
  EXPECT_EQ(At(*projection_), meanOfDate);
}

TEST_F(EpochTest, DateFramesForgetTheCatalogueEpoch) {
  projection_->SetEpoch(0.3, kEpochMeanOfEpoch);
  const TPixel catalogue = At(*projection_);
  projection_->SetEpoch(0.0, kEpochTrueOfDate);
  ASSERT_NE(At(*projection_), catalogue);
  projection_->SetEpoch(0.3, kEpochMeanOfEpoch);
  EXPECT_EQ(At(*projection_), catalogue);
}

TEST_F(EpochTest, NewViewKeepsTheCurrentFrame) {
  projection_->SetEpoch(0.3, kEpochMeanOfEpoch);
  setup_.siderealHours = 6.0;
  projection_->SetProjection(setup_);
  EXPECT_EQ(At(*projection_), Fresh(0.3, kEpochMeanOfEpoch));
}

// The first view must build every matrix whatever its values, even those that equal an
// innocent-looking starting value such as 0.
TEST(ProjectionStartTest, FirstViewBuildsEveryMatrix) {
  TProjectionSetup setup = View(1000000, 0.0, 0.0);
  setup.mjdUt = 3.0;  // 1858, 141 years of precession from J2000.0
  auto fresh = Projected(setup, kEpochMeanOfEpoch);
  auto warmed = std::make_unique<TProjection>();
  TProjectionSetup other = View(1000000, 45.0, 6.0);
  other.mjdUt = 51544.5;
  warmed->SetProjection(other);
  warmed->SetProjection(setup);
  for (const auto& [ra, dec] :
       {std::pair{0.0, 0.0}, std::pair{37.0, 60.0}, std::pair{300.0, -20.0}}) {
    EXPECT_EQ(fresh->RaDecToXY(ra, dec), warmed->RaDecToXY(ra, dec)) << ra << " " << dec;
  }
  // In the frame of date the point RA 0, Dec 0 is overhead on the equator at sidereal time 0.
  fresh->SetEpoch(0.0, kEpochTrueOfDate);
  EXPECT_EQ(fresh->RaDecToXY(0.0, 0.0), (TPixel{640, 480}));
}

TEST(ProjectionStartTest, NoRadiusNoAnswers) {
  TProjection unset;
  EXPECT_FALSE(unset.RaDecToXY(10.0, 10.0).has_value());
  EXPECT_FALSE(unset.XYToRaDec(0, 0).has_value());
  EXPECT_FALSE(unset.QuickRaDecToXY(600, 600).has_value());
  for (const int32_t radius : {0, -7}) {
    for (const bool refraction : {false, true}) {
      TProjectionSetup setup = View(radius, 50.0, 1.0);
      setup.quick = true;
      setup.stereographic = true;
      setup.refraction = refraction;
      const auto projection = Projected(setup, kEpochMeanOfEpoch);
      EXPECT_FALSE(projection->RaDecToXY(15.0, 50.0).has_value()) << radius;
      EXPECT_FALSE(projection->XYToRaDec(640, 480).has_value()) << radius;
      EXPECT_FALSE(projection->QuickRaDecToXY(900, 3000).has_value()) << radius;
    }
  }
}

TEST(ProjectionStartTest, PixelsOutsideTheCircleHaveNoDirection) {
  TProjectionSetup setup = View(500, 50.0, 1.0);
  setup.yScale = 0.5;
  const auto projection = Projected(setup, kEpochMeanOfEpoch);
  EXPECT_TRUE(projection->XYToRaDec(640 + 500, 480).has_value());
  EXPECT_FALSE(projection->XYToRaDec(640 + 501, 480).has_value());
  EXPECT_TRUE(projection->XYToRaDec(640, 480 - 250).has_value());
  EXPECT_FALSE(projection->XYToRaDec(640, 480 - 251).has_value());
}

TEST(ProjectionStartTest, ExtremeAtmosphereStillAnswers) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (const auto& [pressure, temperature] :
       {std::pair{1e9, -1e9}, std::pair{-1e9, 1e9}, std::pair{kNaN, kNaN}}) {
    TProjectionSetup setup = View(500, 50.0, 1.0);
    setup.refraction = true;
    setup.quick = true;
    setup.pressureMbar = pressure;
    setup.temperatureC = temperature;
    const auto projection = Projected(setup, kEpochMeanOfEpoch);
    for (int32_t angle = 0; angle < 360; angle += 15) {
      const auto x = static_cast<int32_t>(640 + 499 * std::cos(Rad(angle)));
      const auto y = static_cast<int32_t>(480 + 499 * std::sin(Rad(angle)));
      const auto direction = projection->XYToRaDec(x, y);
      ASSERT_TRUE(direction.has_value()) << pressure << " " << angle;
      EXPECT_TRUE(std::isfinite(direction->raDeg) && std::isfinite(direction->decDeg));
    }
  }
}

}  // namespace
}  // namespace velarion::sky::test
