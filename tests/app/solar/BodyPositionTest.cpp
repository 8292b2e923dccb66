// Body positions against JPL DE405 (through Skyfield), the precision windows and the cache.
#include "BodyPosition.h"

#include "SolarTestSupport.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace velarion::solar;
using veltest::SeparationArcsec;
using veltest::TOracleTable;

constexpr double kKmPerEarthRadius = 6378.137;
constexpr double kKmPerAu = 149600000.0;

struct TWorst {
  double apparent = 0.0, astrometric = 0.0, topocentric = 0.0;
};

TEST(BodyPosition, SunAndMoonAgreeWithDe405) {
  const TOracleTable table("solar_places.csv");
  ASSERT_GE(table.Size(), 80u);
  TWorst worst[2];
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const auto body = static_cast<TBody>(table.Number(row, "body"));
    const double t = table.Number(row, "t_tt");
    const double distance = table.Number(row, "distance");
    const TBodyPosition apparent = ComputeBodyPosition(body, true, false, t);
    const TBodyPosition astrometric = ComputeBodyPosition(body, true, true, t);
    ASSERT_TRUE(apparent.highPrecision);
    TWorst& w = worst[velcommon::BodyNumber(body)];
    w.apparent = std::max(
        w.apparent, SeparationArcsec(apparent.raDeg, apparent.decDeg, table.Number(row, "ra_app"),
                                     table.Number(row, "dec_app")));
    w.astrometric = std::max(w.astrometric, SeparationArcsec(astrometric.raDeg, astrometric.decDeg,
                                                             table.Number(row, "ra_astr"),
                                                             table.Number(row, "dec_astr")));
    const double mjdUt = table.Number(row, "mjd_ut1");
    const double lon = table.Number(row, "lon_deg");
    const double km =
        body == kSun ? apparent.distance * kKmPerAu : apparent.distance * kKmPerEarthRadius;
    double topoRa = 0.0, topoDec = 0.0;
    Parallax(LMST(mjdUt, -lon), apparent.raDeg, apparent.decDeg, km, table.Number(row, "lat_deg"),
             &topoRa, &topoDec);
    w.topocentric =
        std::max(w.topocentric, SeparationArcsec(topoRa, topoDec, table.Number(row, "ra_topo"),
                                                 table.Number(row, "dec_topo")));
    if (body == kSun) {
      EXPECT_NEAR(apparent.distance, distance, 1e-6) << row;
    } else {
      EXPECT_NEAR(apparent.distance * kKmPerEarthRadius, distance, 1.0) << row;
    }
  }
  for (int body = 0; body < 2; ++body) {
    RecordProperty(body == 0 ? "sun_worst_arcsec" : "moon_worst_arcsec",
                   std::to_string(worst[body].apparent) + " " +
                       std::to_string(worst[body].astrometric) + " " +
                       std::to_string(worst[body].topocentric));
    // Geocentric places to a fifth of an arcsecond, which a Moon without its light time
    // (0.7") would miss; topocentric ones to one, the diurnal aberration (up to 0.32")
    // being left out.
    EXPECT_LT(worst[body].apparent, 0.2) << body;
    EXPECT_LT(worst[body].astrometric, 0.2) << body;
    EXPECT_LT(worst[body].topocentric, 1.0) << body;
  }
}

struct TWindowCase {
  TBody body;
  bool requested;
  double t;
  bool expected;
};

TEST(BodyPosition, PrecisionWindowsIncludeTheirBounds) {
  const TWindowCase cases[] = {
      {kSun, true, -33.5, true},
      {kSun, true, -33.5000001, false},
      {kSun, true, 10.0, true},
      {kSun, true, 10.0000001, false},
      {kMars, true, -33.5, true},
      {kMars, true, -40.0, false},
      {kEarth, true, -34.0, false},
      {kMoon, true, -50.0, true},
      {kMoon, true, -50.0000001, false},
      {kJupiter, true, -40.0, true},
      {kNeptune, true, 10.5, false},
      {kPluto, false, 0.0, true},
      {kPluto, true, 10.5, true},
      {kPluto, false, -80.0, true},
      {kSun, false, 0.0, false},
      {kMoon, false, 0.0, false},
      {static_cast<TBody>(11), true, 0.0, false},
  };
  for (const TWindowCase& c : cases) {
    EXPECT_EQ(UsesHighPrecision(c.body, c.requested, c.t), c.expected) << int(c.body) << " " << c.t;
  }
}

TEST(BodyPosition, OutsideItsWindowAPreciseRequestFallsBackToTheLowPrecisionPath) {
  for (TBody body : {kSun, kMoon, kMars, kSaturn}) {
    const TBodyPosition asked = ComputeBodyPosition(body, true, false, 10.5);
    const TBodyPosition plain = ComputeBodyPosition(body, false, false, 10.5);
    EXPECT_FALSE(asked.highPrecision) << int(body);
    EXPECT_EQ(asked.raDeg, plain.raDeg) << int(body);
    EXPECT_EQ(asked.decDeg, plain.decDeg) << int(body);
  }
  EXPECT_TRUE(ComputeBodyPosition(kPluto, false, false, 10.5).highPrecision);
}

TEST(BodyPosition, LowPrecisionPlacesStayWithinArcminutesOfThePreciseOnes) {
  for (int number = velcommon::BodyNumber(kSun); number <= velcommon::BodyNumber(kNeptune);
       ++number) {
    const auto body = static_cast<TBody>(number);
    if (body == kEarth) continue;
    for (double t : {-0.4, 0.0, 0.3}) {
      const TBodyPosition precise = ComputeBodyPosition(body, true, false, t);
      const TBodyPosition rough = ComputeBodyPosition(body, false, false, t);
      ASSERT_TRUE(precise.highPrecision);
      ASSERT_FALSE(rough.highPrecision);
      const double separation =
          SeparationArcsec(precise.raDeg, precise.decDeg, rough.raDeg, rough.decDeg);
      EXPECT_GT(separation, 0.0) << int(body) << " " << t;
      EXPECT_LT(separation, 180.0) << int(body) << " " << t;
    }
  }
}

TEST(BodyPosition, TheCacheIsKeyedOnTheEffectivePrecisionAndTheAberration) {
  const double t = 0.2;
  const TBodyPosition rough = ComputeBodyPosition(kSun, false, false, t);
  const TBodyPosition precise = ComputeBodyPosition(kSun, true, false, t);
  EXPECT_TRUE(precise.highPrecision);
  EXPECT_NE(precise.raDeg, rough.raDeg);
  const TBodyPosition astrometric = ComputeBodyPosition(kSun, true, true, t);
  // Annual aberration moves the Sun by about 20.5 arcseconds.
  EXPECT_NEAR(
      SeparationArcsec(precise.raDeg, precise.decDeg, astrometric.raDeg, astrometric.decDeg), 20.5,
      0.5);
  EXPECT_EQ(ComputeBodyPosition(kSun, false, false, t).raDeg, rough.raDeg);
}

TEST(BodyPosition, TheMoonHasNoHeliocentricPlaceAndTheEarthNoGeocentricOne) {
  for (bool precise : {true, false}) {
    const TBodyPosition moon = ComputeBodyPosition(kMoon, precise, false, 0.1);
    EXPECT_EQ(moon.helioDistanceAu, 0.0);
    EXPECT_EQ(moon.helioLatitudeDeg, 0.0);
    EXPECT_EQ(moon.helioLongitudeDeg, 0.0);
    EXPECT_NEAR(moon.distance, 60.3, 4.0);  // Earth radii
    const TBodyPosition sun = ComputeBodyPosition(kSun, precise, false, 0.1);
    EXPECT_EQ(sun.helioDistanceAu, 0.0);
    const TBodyPosition earth = ComputeBodyPosition(kEarth, precise, false, 0.1);
    EXPECT_EQ(earth.raDeg, 0.0);
    EXPECT_EQ(earth.distance, 0.0);
    EXPECT_NEAR(earth.helioDistanceAu, 1.0, 0.02);
    // The Earth seen from the Sun lies opposite the Sun seen from the Earth.
    EXPECT_NEAR(std::remainder(earth.helioLongitudeDeg - sun.longitudeDeg - 180.0, 360.0), 0.0,
                0.01);
  }
}

TEST(BodyPosition, UnknownBodiesAndUndefinedMomentsGiveZeros) {
  const TBodyPosition none = ComputeBodyPosition(static_cast<TBody>(11), true, false, 0.0);
  EXPECT_EQ(none.raDeg, 0.0);
  EXPECT_EQ(none.distance, 0.0);
  const TBodyPosition nan = ComputeBodyPosition(kSun, true, false, std::nan(""));
  EXPECT_EQ(nan.distance, 0.0);
}

}  // namespace
