// Linear proper motion: units, rounding, wrapping of right ascension, crossing a pole.
#include "velastro.h"

#include <gtest/gtest.h>

namespace {

struct TLowCase {
  int32_t ra, dec, pmRa, pmDec, dt;  // arcsec, arcsec, mas/yr, mas/yr, tenths of a year
  int32_t raOut, decOut;
};

TEST(ProperMotion, LowPrecisionMovesByRateTimesYears) {
  const TLowCase cases[] = {
      // Barnard's star over a century: -800.3 mas/yr in RA, +10328 mas/yr in Dec.
      {970028, 16896, -800, 10328, 1000, 969948, 17929},
      {970028, 16896, -800, 10328, -1000, 970108, 15863},
      {1295990, 0, 1000, 0, 200, 10, 0},           // through RA 0 forwards
      {5, 0, -1000, 0, 200, 1295985, 0},           // and backwards
      {0, 323990, 0, 10000, 100, 648000, 323910},  // over the north pole
      {0, -323990, 0, -10000, 100, 648000, -323910},
      {1000, 1000, 15, -15, 1, 1000, 1000},     // 0.0015" rounds to nothing
      {1000, 1000, 5000, -5000, 1, 1001, 999},  // 0.5" rounds away from zero
  };
  for (const TLowCase& c : cases) {
    int32_t ra = 0, dec = 0;
    PropMotion_LowPrec(c.ra, c.dec, c.pmRa, c.pmDec, c.dt, &ra, &dec);
    EXPECT_EQ(ra, c.raOut) << c.ra << " " << c.dec << " " << c.dt;
    EXPECT_EQ(dec, c.decOut) << c.ra << " " << c.dec << " " << c.dt;
  }
}

TEST(ProperMotion, HighPrecisionKeepsPlacesValid) {
  double ra = 0.0, dec = 0.0;
  PropMotion_HighPrec(359.9, 10.0, 0.01, -0.002, 20.0, &ra, &dec);
  EXPECT_NEAR(ra, 0.1, 1e-12);
  EXPECT_NEAR(dec, 9.96, 1e-12);
  PropMotion_HighPrec(10.0, 89.99, 0.0, 0.001, 20.0, &ra, &dec);
  EXPECT_NEAR(ra, 190.0, 1e-12);
  EXPECT_NEAR(dec, 89.99, 1e-9);
}

}  // namespace
