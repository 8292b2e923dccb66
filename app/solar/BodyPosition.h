// Positions of the Sun, the Moon, the planets and the Earth at a moment: the precise
// theories inside their validity windows, the low-precision routines outside, light time,
// optionally annual aberration, and one cached result per body.
#ifndef VELARION_APP_SOLAR_BODYPOSITION_H
#define VELARION_APP_SOLAR_BODYPOSITION_H

#include "Bodies.h"

#include <cstdint>

namespace velarion::solar {

// Body numbers: velcommon::TBody, whose names (kSun .. kPluto) this namespace uses.
using velcommon::kBodyCount;
using velcommon::TBody;
using enum velcommon::TBody;

// The span of T (Julian centuries from J2000.0, bounds inclusive) inside which the precise
// theory of a body is used.
struct TPrecisionWindow {
  double tFrom;
  double tTo;
};
TPrecisionWindow HighPrecisionRange(TBody body);

// Whether the precise theory serves a request: asked for and inside the window, or Pluto,
// which has no low-precision routine. An unknown body number never gets it.
bool UsesHighPrecision(TBody body, bool requested, double tCenturies);

struct TBodyPosition {
  // Geocentric, mean equator and equinox of date, degrees; distance in AU, for the Moon
  // in Earth radii. Zero for the Earth. No nutation: their hour angles (the groups'
  // Parallax calls, rise and set) come from the local mean sidereal time, LMST.
  double raDeg = 0.0;
  double decDeg = 0.0;
  double distance = 0.0;
  // Geocentric ecliptic of date, degrees.
  double longitudeDeg = 0.0;
  double latitudeDeg = 0.0;
  // Heliocentric ecliptic of date (AU, degrees); zero for the Sun and the Moon.
  double helioDistanceAu = 0.0;
  double helioLatitudeDeg = 0.0;
  double helioLongitudeDeg = 0.0;
  // The precise theory was used.
  bool highPrecision = false;
};

// The place of `body` at T (dynamical time). `astrometric` leaves out the annual
// aberration (light time only), so that a body drawn among the stars stands where they
// do; otherwise the place is apparent without nutation. Results are cached per body on
// T, the effective precision and the astrometric flag. An unknown body gives zeros.
TBodyPosition ComputeBodyPosition(TBody body, bool highPrecision, bool astrometric,
                                  double tCenturies);

}  // namespace velarion::solar

#endif
