// Directions on the sky as the object paths handle them: a place in J2000.0, the place a
// position source gives in the equinox it works in, and the angle between two places.
#ifndef VELARION_APP_SOLAR_PATHS_SKYPLACE_H
#define VELARION_APP_SOLAR_PATHS_SKYPLACE_H

#include <functional>
#include <optional>

namespace velarion::paths {

// Mean equator and equinox J2000.0, degrees.
struct TSkyPlace {
  double raDeg = 0.0;
  double decDeg = 0.0;
};

// Mean equator and equinox of `equinoxT` (Julian centuries from J2000.0), degrees.
struct TPlaceOfEquinox {
  double raDeg = 0.0;
  double decDeg = 0.0;
  double equinoxT = 0.0;
};

// Where the object stands at T (Julian centuries from J2000.0 of universal time); none when
// its group cannot tell.
using TPathPositionSource = std::function<std::optional<TPlaceOfEquinox>(double tCenturies)>;

// The great-circle angle between two places, degrees (the haversine form, exact for the
// arcsecond angles the fits are tested at).
double SeparationDeg(const TSkyPlace& a, const TSkyPlace& b);

}  // namespace velarion::paths

#endif
