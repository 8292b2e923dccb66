#include "HorizontalCoordinates.h"

#include "AngleUtils.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>

namespace velarion::sky {

THorizontal HorizontalCoordinates(double ra, double dec, double mjd, const TObserverView& view) {
  // Mean equator of date: mean sidereal time (see the header).
  const double lst = (mjd == view.mjd) ? view.localSiderealTime : LMST(mjd, -view.longitudeEast);
  const TSinCos h = SinCosDeg(15.0 * lst - ra);
  const TSinCos d = SinCosDeg(dec);
  const TSinCos phi = SinCosDeg(view.latitude);
  const double sinAlt = phi.sin * d.sin + phi.cos * d.cos * h.cos;
  const double altitude = RadToDeg(ArcSin(sinAlt));

  double azimuth = 0.0;
  // The horizontal part of the direction, from its components rather than from cos h,
  // which rounding keeps away from 0 at the zenith. At a pole or at the zenith there is no
  // direction, and the azimuth is given as 0.
  const double north = d.sin * phi.cos - d.cos * h.cos * phi.sin;
  const double west = d.cos * h.sin;
  const double horizontal = std::hypot(north, west);
  if (phi.cos > 1e-12 && horizontal > 1e-12) {
    const double u = std::clamp((d.sin - sinAlt * phi.sin) / (phi.cos * horizontal), -1.0, 1.0);
    azimuth = RadToDeg(ArcCos(u));
    if (h.sin > 0.0) azimuth = 360.0 - azimuth;
    if (view.azimuthFromSouth) azimuth -= 180.0;
    azimuth = Reduce360(azimuth);
  }
  const double apparent = view.refraction
                              ? altitude + refrac(altitude, view.pressureMbar, view.temperatureC)
                              : altitude;
  return {azimuth, apparent};
}

}  // namespace velarion::sky
