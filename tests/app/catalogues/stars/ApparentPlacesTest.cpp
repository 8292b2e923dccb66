// The apparent places of the detailed view agree with the library's routine for one star,
// which computes the same steps afresh on every call.
#include "ApparentPlaces.h"

#include "velastro.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ApparentPlaces, AgreeWithTheLibraryRoutine) {
  const double places[][2] = {
      {0.0, 0.0}, {101.287, -16.716}, {279.2347, 38.7837}, {37.95, 89.264}, {359.99, -60.0}};
  for (const double t : {-0.5, 0.0, 0.2607}) {
    const velarion::catalogues::TApparentPlaces apparent(t);
    for (const auto& place : places) {
      double ra = place[0], dec = place[1];
      apparent.Apply(ra, dec);
      double raLibrary = place[0], decLibrary = place[1];
      AstrometricToApparent(0.0, t, &raLibrary, &decLibrary);
      EXPECT_NEAR(std::remainder(ra - raLibrary, 360.0) * std::cos(dec * M_PI / 180.0), 0.0, 1e-9);
      EXPECT_NEAR(dec, decLibrary, 1e-9);
    }
  }
}

}  // namespace
