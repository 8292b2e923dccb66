// Tie of the theories' frames of date to the IAU 2006 mean ecliptic and equinox of date.
#ifndef VELSOLAR_FRAME_H
#define VELSOLAR_FRAME_H

#include <array>

#include "SolarSeries.h"
#include "Units.h"

namespace velsolar {

using velcommon::kArcsecToRad;
using velcommon::kRadToDeg;

// VSOP87 D refers its longitudes to the dynamical equinox of its own precession, the
// IAU 1976 one (Lieske et al. 1977: p = 5029.0966 T + 1.11113 T^2 - 0.000006 T^3).
// Turning them to IAU 2006 (Capitaine et al. 2003: p = 5028.796195 T + 1.1054348 T^2
// + 0.00007964 T^3 - 0.000023857 T^4 - 0.0000000383 T^5) replaces one precession by the
// other and applies the constant -0.09033" by which Meeus (Astronomical Algorithms,
// ch. 32) moves VSOP87 to the FK5 equinox; together they bring VSOP87 D within 0.03" of
// DE405 referred to the IAU 2006 ecliptic of date for the inner planets, 1960 .. 2050.
inline double VsopLongitudeCorrectionArcsec(double tCenturies) {
  constexpr std::array<double, 6> iau2006 = {0.0,        5028.796195,  1.1054348,
                                             0.00007964, -0.000023857, -0.0000000383};
  constexpr std::array<double, 4> iau1976 = {0.0, 5029.0966, 1.11113, -0.000006};
  return -0.09033 + velseries::Polynomial(iau2006, tCenturies) -
         velseries::Polynomial(iau1976, tCenturies);
}

}  // namespace velsolar

#endif
