// The integer conversion against the exact one, and its answers to input that plug-ins may
// pass unchecked.
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <string>

#include "Projection.h"
#include "SkyTestSupport.h"

namespace velarion::sky::test {
namespace {

int32_t ToArcmin(double degrees) { return static_cast<int32_t>(std::lround(degrees * 60.0)); }

struct TQuickView {
  const char* name;
  bool stereographic;
  bool refraction;
  double latitude;
  double sidereal;
  double rotation;
  bool mirror;
  double yScale;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TQuickView& value, std::ostream* out) { *out << value.name; }

class QuickAgreementTest : public ::testing::TestWithParam<TQuickView> {
 protected:
  TProjectionSetup Setup() const {
    const TQuickView& v = GetParam();
    TProjectionSetup setup = View(500, v.latitude, v.sidereal);
    setup.quick = true;
    setup.stereographic = v.stereographic;
    setup.refraction = v.refraction;
    setup.rotationDeg = v.rotation;
    setup.mirror = v.mirror;
    setup.yScale = v.yScale;
    return setup;
  }
};

// Two-arcminute steps, whole-pixel intermediate vectors and truncation towards the centre
// keep the quick pixel within 2 px of the exact one almost everywhere; where several
// truncations line up it is 3 px (one point in a few thousand).
TEST_P(QuickAgreementTest, QuickStaysWithinTwoPixelsOfExactAlmostEverywhere) {
  const TProjectionSetup setup = Setup();
  auto projection = std::make_unique<TProjection>();
  projection->SetProjection(setup);
  projection->SetEpoch(0.0, kEpochTrueOfDate);
  int compared = 0;
  int beyondTwo = 0;
  for (const TRaDec& d : RandomDirections(40000, 1234)) {
    const auto exact = projection->RaDecToXY(d.raDeg, d.decDeg);
    const auto quick = projection->QuickRaDecToXY(ToArcmin(d.raDeg), ToArcmin(d.decDeg));
    const double altitude =
        HorizontalOf(d.raDeg, d.decDeg, setup.latitudeDeg, setup.siderealHours).altitudeDeg;
    const double horizon = setup.refraction ? -0.58 : 0.0;
    if (std::fabs(altitude - horizon) < 0.3) {
      continue;  // within the depth resolution of the quick tables
    }
    ASSERT_EQ(exact.has_value(), altitude > horizon) << d.raDeg << " " << d.decDeg;
    ASSERT_EQ(quick.has_value(), exact.has_value()) << d.raDeg << " " << d.decDeg;
    if (exact) {
      const int error = std::max(std::abs(quick->x - exact->x), std::abs(quick->y - exact->y));
      EXPECT_LE(error, 3) << d.raDeg << " " << d.decDeg;
      beyondTwo += error > 2 ? 1 : 0;
      ++compared;
    }
  }
  EXPECT_GT(compared, 10000);
  EXPECT_LE(beyondTwo, compared / 500);
}

INSTANTIATE_TEST_SUITE_P(
    Views, QuickAgreementTest,
    ::testing::Values(TQuickView{"Orthographic", false, false, 55.75, 3.3, 0.0, false, 1.0},
                      TQuickView{"Stereographic", true, false, -33.9, 17.1, 0.0, false, 1.0},
                      TQuickView{"OrthographicRefracted", false, true, 10.0, 8.0, 0.0, false, 1.0},
                      TQuickView{"StereographicRefracted", true, true, 70.0, 22.9, 0.0, false, 1.0},
                      TQuickView{"RotatedMirroredTall", true, true, 40.0, 1.0, 123.0, true, 0.85},
                      TQuickView{"RotatedWide", false, false, -5.0, 12.0, 300.0, false, 1.2}),
    [](const auto& info) { return std::string(info.param.name); });

class QuickInputTest : public ::testing::Test {
 protected:
  QuickInputTest() {
    setup_ = View(500, 45.0, 2.0);
    setup_.quick = true;
    projection_->SetProjection(setup_);
    projection_->SetEpoch(0.0, kEpochMeanOfEpoch);
  }

  TProjectionSetup setup_;
  std::unique_ptr<TProjection> projection_ = std::make_unique<TProjection>();
};

TEST_F(QuickInputTest, RightAscensionWrapsModuloAFullTurn) {
  // RA 2 h (1800') crosses the meridian at Dec 30 deg, well above the horizon.
  for (const int32_t ra : {0, 1, 1800, 21599}) {
    const auto reference = projection_->QuickRaDecToXY(ra, 1800);
    ASSERT_TRUE(reference.has_value()) << ra;
    for (const int32_t turns : {-100, -1, 1, 3, 99}) {
      EXPECT_EQ(projection_->QuickRaDecToXY(ra + turns * 21600, 1800), reference)
          << ra << " " << turns;
    }
  }
  EXPECT_TRUE(projection_->QuickRaDecToXY(INT_MIN, 2700).has_value());
  EXPECT_TRUE(projection_->QuickRaDecToXY(INT_MAX, 2700).has_value());
}

TEST_F(QuickInputTest, DeclinationOutsideThePolesIsRefused) {
  EXPECT_TRUE(projection_->QuickRaDecToXY(100, 5400).has_value());
  for (const int32_t dec : {5401, -5401, 10800, INT_MAX, INT_MIN}) {
    EXPECT_FALSE(projection_->QuickRaDecToXY(100, dec).has_value()) << dec;
  }
}

TEST_F(QuickInputTest, NoAnswerWhileQuickTablesAreNotMaintained) {
  setup_.quick = false;
  projection_->SetProjection(setup_);
  EXPECT_FALSE(projection_->QuickRaDecToXY(1800, 1800).has_value());
  EXPECT_TRUE(projection_->RaDecToXY(30.0, 30.0).has_value());
}

TEST_F(QuickInputTest, EastPointOnTheEquatorIsExactlyOnTheHorizon) {
  // Latitude 0, sidereal time 0, true frame: the integer depth of RA 90 deg is exactly 0.
  setup_ = View(500, 0.0, 0.0);
  setup_.quick = true;
  projection_->SetProjection(setup_);
  projection_->SetEpoch(0.0, kEpochTrueOfDate);
  EXPECT_EQ(projection_->QuickRaDecToXY(5400, 0), (TPixel{640 - 500, 480}));
  EXPECT_EQ(projection_->QuickRaDecToXY(0, 5400), (TPixel{640, 480 - 500}));
  EXPECT_FALSE(projection_->QuickRaDecToXY(5430, 0).has_value());  // 0.5 deg below
}

// Turning quick mode on at an unchanged radius must rebuild every integer table.
TEST(QuickSwitchTest, QuickModeSwitchedOnAtTheSameRadiusMatchesAFreshStart) {
  for (const bool stereographic : {false, true}) {
    for (const bool refraction : {false, true}) {
      TProjectionSetup setup = View(500, 52.0, 9.0);
      setup.stereographic = stereographic;
      setup.refraction = refraction;
      setup.quick = true;
      auto fresh = std::make_unique<TProjection>();
      fresh->SetProjection(setup);
      auto switched = std::make_unique<TProjection>();
      setup.quick = false;
      switched->SetProjection(setup);
      setup.quick = true;
      switched->SetProjection(setup);
      for (const TRaDec& d : RandomDirections(2000, 77)) {
        const int32_t ra = ToArcmin(d.raDeg);
        const int32_t dec = ToArcmin(d.decDeg);
        ASSERT_EQ(switched->QuickRaDecToXY(ra, dec), fresh->QuickRaDecToXY(ra, dec))
            << "stereo " << stereographic << " refraction " << refraction << " at " << d.raDeg
            << " " << d.decDeg;
      }
    }
  }
}

// A horizontal frame keeps M, yet the integer copy of M must still appear with quick mode.
TEST(QuickSwitchTest, QuickMatrixFollowsWhenTheFrameIsHorizontal) {
  TProjectionSetup setup = View(500, 52.0, 9.0);
  auto projection = std::make_unique<TProjection>();
  projection->SetProjection(setup);
  projection->SetEpoch(0.0, kEpochTrueOfDate);
  projection->SetEpoch(0.0, kEpochHorizontal);
  setup.quick = true;
  projection->SetProjection(setup);
  // Away from the zenith, where an all-zero integer matrix would also put it.
  const auto exact = projection->RaDecToXY(100.0, 30.0);
  const auto quick = projection->QuickRaDecToXY(100 * 60, 30 * 60);
  ASSERT_TRUE(exact && quick);
  EXPECT_LE(Distance(*quick, exact->x, exact->y), 2.0);
}

}  // namespace
}  // namespace velarion::sky::test
