// Annual aberration against ERFA's eraAb with the Earth's heliocentric velocity of
// eraEpv00, near J2000 where the mean equator of date and ERFA's frame coincide.
#include "MoonTestSupport.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

namespace veltest {
namespace {

struct TPlaceCase {
  double t;
  double ra;
  double dec;
  double distance;
};

class TApparentPlace : public testing::TestWithParam<TPlaceCase> {};

TEST_P(TApparentPlace, MatchesErfaAberration) {
  const TPlaceCase c = GetParam();
  double pvh[2][3], pvb[2][3];
  eraEpv00(2451545.0, c.t * 36525.0, pvh, pvb);
  double v[3], u[3], apparent[3];
  const double kLightAuPerDay = ERFA_CMPS * 86400.0 / ERFA_DAU;
  eraSxp(1.0 / kLightAuPerDay, pvh[1], v);
  eraS2c(c.ra * kDegToRad, c.dec * kDegToRad, u);
  eraAb(u, v, eraPm(pvh[0]), std::sqrt(1.0 - eraPm(v) * eraPm(v)), apparent);
  double raErfa = 0.0, decErfa = 0.0;
  eraC2s(apparent, &raErfa, &decErfa);

  double ra = 0.0, dec = 0.0;
  ObjApparentRaDec(c.t, c.ra, c.dec, c.distance, &ra, &dec);
  const double cosDec = std::cos(c.dec * kDegToRad);
  EXPECT_NEAR(AngleDiffArcsec(ra, eraAnp(raErfa) / kDegToRad) * cosDec, 0.0, 0.1);
  EXPECT_NEAR((dec - decErfa / kDegToRad) * 3600.0, 0.0, 0.1);
  // The shift itself is up to 20.5 arcseconds: make sure it was applied.
  EXPECT_GT(std::hypot(AngleDiffArcsec(ra, c.ra) * cosDec, (dec - c.dec) * 3600.0), 5.0);
}

// A zero distance still gives the aberrated direction.
INSTANTIATE_TEST_SUITE_P(Places, TApparentPlace,
                         testing::Values(TPlaceCase{0.0, 40.0, 15.0, 5.0},
                                         TPlaceCase{0.003, 200.0, -22.0, 9.5},
                                         TPlaceCase{-0.004, 300.0, 60.0, 19.0},
                                         TPlaceCase{0.001, 120.0, 5.0, 0.0}));

}  // namespace
}  // namespace veltest
