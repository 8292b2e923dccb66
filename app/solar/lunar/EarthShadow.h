// The Earth's shadow at the Moon's distance: the Moon's angular distance from the shadow's
// axis (the antisolar point) and the radii of the penumbra, the umbra and the Moon, all
// geocentric degrees. The shadow radii are the geometric ones enlarged by 1.02 for the
// Earth's atmosphere, with the Moon's parallax taken at the mean latitude (factor 0.99832),
// after the Explanatory Supplement to the Astronomical Almanac (1992), 8.421.
#ifndef VELARION_APP_SOLAR_LUNAR_EARTHSHADOW_H
#define VELARION_APP_SOLAR_LUNAR_EARTHSHADOW_H

#include "SunMoonPlaces.h"

namespace velarion::lunar {

struct TEarthShadow {
  double separationDeg = 0.0;
  double penumbraRadiusDeg = 0.0;
  double umbraRadiusDeg = 0.0;
  double moonRadiusDeg = 0.0;
};

TEarthShadow EarthShadowAt(const TSunMoonPlace& place);

// The Moon's separation from the antisolar point alone (degrees).
double ShadowSeparationDeg(const TSunMoonPlace& place);

// The position angle (degrees 0..360 from north through east) of the shadow's centre seen
// from the Moon's centre: the point of the lunar limb that meets or leaves the shadow.
double ShadowPositionAngleDeg(const TSunMoonPlace& place);

}  // namespace velarion::lunar

#endif
