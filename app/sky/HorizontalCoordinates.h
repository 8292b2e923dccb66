// Azimuth and altitude of a place of date for the observer of the view, as the rise and
// set and ephemeris tables show them. The place is referred to the mean equator and
// equinox of date (as the object search gives it), so its hour angle is taken from the
// local mean sidereal time; a true-of-date place would need the apparent one (LAST).
#ifndef VELARION_APP_SKY_HORIZONTALCOORDINATES_H
#define VELARION_APP_SKY_HORIZONTALCOORDINATES_H

namespace velarion::sky {

struct TObserverView {
  double mjd = 0.0;                // the view's moment (UT)
  double localSiderealTime = 0.0;  // hours, at that moment: mean (LMST)
  double longitudeEast = 0.0;      // degrees
  double latitude = 0.0;           // degrees
  bool azimuthFromSouth = false;   // configuration key "AzZeroPoint" = 1
  bool refraction = false;
  double pressureMbar = 1010.0;
  double temperatureC = 10.0;
};

struct THorizontal {
  double azimuth;   // degrees, [0, 360), from north through east (or from south)
  double altitude;  // degrees, refraction added when the view applies it
};

// At the poles and at the zenith the azimuth is undefined; it is given as 0 there.
THorizontal HorizontalCoordinates(double ra, double dec, double mjd, const TObserverView& view);

}  // namespace velarion::sky

#endif
