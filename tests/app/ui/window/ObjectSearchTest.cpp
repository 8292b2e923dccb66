#include "ObjectSearch.h"

#include "velastro.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

TEST(ObjectSearch, NeverRisesAtTheObserversLatitude) {
  struct TCase {
    double dec, latitude;
    bool never;
  };
  for (const TCase c : {TCase{-60.0, 51.7, true},
                        {-38.0, 51.7, false},
                        {-38.4, 51.7, true},
                        {-38.2, 51.7, false},
                        {80.0, -33.9, true},
                        {56.0, -33.9, false},
                        {-89.0, 0.0, false},
                        {-90.0, 90.0, true},
                        {0.0, 90.0, false},
                        {-0.1, 90.0, true}}) {
    EXPECT_EQ(NeverRises(c.dec, c.latitude), c.never) << c.dec << " at " << c.latitude;
  }
}

TEST(ObjectSearch, TransitShiftInSiderealHoursWithinHalfADay) {
  struct TCase {
    double ra, sidereal, hours;
  };
  for (const TCase c : {TCase{90.0, 3.0, 3.0},
                        {90.0, 9.0, -3.0},
                        {0.0, 12.0, -12.0},
                        {0.0, 11.9, -11.9},
                        {350.0, 1.0, -1.6666666667},
                        {10.0, 23.0, 1.6666666667}}) {
    EXPECT_NEAR(TransitShiftDays(c.ra, c.sidereal), c.hours * 0.9972696 / 24.0, 1e-9)
        << c.ra << " " << c.sidereal;
  }
}

TEST(ObjectSearch, PrecessionMovesAPlaceAndIsTheIdentityForTheSameEpoch) {
  const TEquatorial same = PrecessToDate({101.287, -16.716}, 0.0, 0.0);
  EXPECT_NEAR(same.raDeg, 101.287, 1e-9);
  EXPECT_NEAR(same.decDeg, -16.716, 1e-9);
  // Fifty years of general precession: about 50.3" per year in longitude, RA of Sirius
  // grows by roughly 2.64 s of time per year.
  const TEquatorial later = PrecessToDate({101.287, -16.716}, 0.0, 0.5);
  EXPECT_NEAR(later.raDeg - 101.287, 50 * 2.64 * 15 / 3600.0, 0.02);
}

}  // namespace
}  // namespace velarion::ui
