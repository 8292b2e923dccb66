// Azimuth and altitude against ERFA's eraHd2ae, in both azimuth origins.
#include "HorizontalCoordinates.h"

#include "velastro.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace velarion::sky;

constexpr double kDeg = 3.14159265358979323846 / 180.0;

TEST(HorizontalCoordinates, AgreeWithErfaFromNorthAndFromSouth) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  for (int i = 0; i < 500; ++i) {
    TObserverView view;
    view.mjd = 60000.0 + 1000.0 * u(rng);
    view.localSiderealTime = 24.0 * u(rng);
    view.latitude = -89.0 + 178.0 * u(rng);
    const double ra = 360.0 * u(rng);
    const double dec = -89.0 + 178.0 * u(rng);
    double az = 0.0, el = 0.0;
    eraHd2ae((15.0 * view.localSiderealTime - ra) * kDeg, dec * kDeg, view.latitude * kDeg, &az,
             &el);
    for (bool fromSouth : {false, true}) {
      view.azimuthFromSouth = fromSouth;
      const THorizontal h = HorizontalCoordinates(ra, dec, view.mjd, view);
      const double expectedAz = std::fmod(az / kDeg - (fromSouth ? 180.0 : 0.0) + 360.0, 360.0);
      EXPECT_NEAR(std::remainder(h.azimuth - expectedAz, 360.0), 0.0, 1e-7) << i;
      EXPECT_GE(h.azimuth, 0.0);
      EXPECT_LT(h.azimuth, 360.0);
      EXPECT_NEAR(h.altitude, el / kDeg, 1e-9) << i;
    }
  }
}

TEST(HorizontalCoordinates, OtherMomentsUseTheirOwnSiderealTime) {
  TObserverView view;
  view.mjd = 60000.0;
  view.localSiderealTime = 3.0;
  view.longitudeEast = 37.6;
  view.latitude = 55.75;
  const double mjd = 60000.25;
  const double lst = LMST(mjd, -view.longitudeEast);
  double az = 0.0, el = 0.0;
  eraHd2ae((15.0 * lst - 100.0) * kDeg, 20.0 * kDeg, view.latitude * kDeg, &az, &el);
  EXPECT_NEAR(HorizontalCoordinates(100.0, 20.0, mjd, view).altitude, el / kDeg, 1e-9);
}

TEST(HorizontalCoordinates, PolesAndZenithGiveAzimuthZeroNotNaN) {
  TObserverView view;
  view.localSiderealTime = 6.0;
  for (double latitude : {90.0, -90.0}) {
    view.latitude = latitude;
    const THorizontal h = HorizontalCoordinates(10.0, 30.0, view.mjd, view);
    EXPECT_EQ(h.azimuth, 0.0);
    EXPECT_NEAR(h.altitude, latitude > 0 ? 30.0 : -30.0, 1e-9);
  }
  view.latitude = 40.0;
  const THorizontal zenith = HorizontalCoordinates(90.0, 40.0, view.mjd, view);
  EXPECT_EQ(zenith.azimuth, 0.0);
  EXPECT_NEAR(zenith.altitude, 90.0, 1e-5);  // arcsin near 1 keeps only this much
}

TEST(HorizontalCoordinates, RefractionIsAddedWhenTheViewAppliesIt) {
  TObserverView view;
  view.localSiderealTime = 0.0;
  view.latitude = 0.0;
  view.refraction = true;
  // On the celestial equator six hours east of the meridian: on the horizon.
  const THorizontal h = HorizontalCoordinates(90.0, 0.0, view.mjd, view);
  EXPECT_NEAR(h.altitude, refrac(0.0, 1010.0, 10.0), 1e-9);
  EXPECT_GT(h.altitude, 0.4);
}

}  // namespace
