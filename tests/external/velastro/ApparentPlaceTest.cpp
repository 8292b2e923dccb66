// Apparent places of stars against Skyfield with DE405 (tests/fixtures/oracles/apparent.csv):
// precession from the mean place of an epoch, light deflection, annual aberration, nutation;
// the routine for one star and the prepared form for many.
#include "velastro.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

TEST(ApparentPlace, StarsAgreeWithSkyfieldWithin005Arcsec) {
  const veltest::TOracleTable oracle("apparent.csv");
  ASSERT_GT(oracle.Size(), 30u);
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    double ra = oracle.Number(i, "ra0_deg");
    double dec = oracle.Number(i, "dec0_deg");
    AstrometricToApparent(oracle.Number(i, "t0"), oracle.Number(i, "t_tt"), &ra, &dec);
    const double expectedDec = oracle.Number(i, "dec_deg");
    SCOPED_TRACE(i);
    EXPECT_LT(std::fabs(veltest::AngleDifference(ra, oracle.Number(i, "ra_deg"))) *
                  std::cos(expectedDec * kDegToRad) * 3600.0,
              0.05);
    EXPECT_LT(std::fabs(dec - expectedDec) * 3600.0, 0.05);
  }
}

// The prepared form, as a catalogue uses it: one preparation per moment, then every star.
// Each oracle star is made apparent with the parameters of its own moment after they have
// served all the other stars, so that a preparation is shown to hold nothing of the stars.
TEST(ApparentPlace, PreparedOnceServesEveryStarAsTheOracleHasIt) {
  const veltest::TOracleTable oracle("apparent.csv");
  ASSERT_GT(oracle.Size(), 30u);
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    TApparentPlaceParams params;
    PrepareApparentPlaces(oracle.Number(i, "t0"), oracle.Number(i, "t_tt"), &params);
    for (std::size_t j = 0; j < oracle.Size(); ++j) {
      double ra = oracle.Number(j, "ra0_deg");
      double dec = oracle.Number(j, "dec0_deg");
      ApparentPlaceQuick(&params, &ra, &dec);
    }
    double ra = oracle.Number(i, "ra0_deg");
    double dec = oracle.Number(i, "dec0_deg");
    ApparentPlaceQuick(&params, &ra, &dec);
    const double expectedDec = oracle.Number(i, "dec_deg");
    SCOPED_TRACE(i);
    EXPECT_LT(std::fabs(veltest::AngleDifference(ra, oracle.Number(i, "ra_deg"))) *
                  std::cos(expectedDec * kDegToRad) * 3600.0,
              0.05);
    EXPECT_LT(std::fabs(dec - expectedDec) * 3600.0, 0.05);
  }
}

TEST(ApparentPlace, NullPointersLeaveNothingChanged) {
  double ra = 10.0;
  AstrometricToApparent(0.0, 0.2, &ra, nullptr);
  EXPECT_EQ(ra, 10.0);
  TApparentPlaceParams params;
  PrepareApparentPlaces(0.0, 0.2, &params);
  ApparentPlaceQuick(&params, &ra, nullptr);
  ApparentPlaceQuick(nullptr, &ra, &ra);
  EXPECT_EQ(ra, 10.0);
  PrepareApparentPlaces(0.0, 0.2, nullptr);
}

}  // namespace
