// What happens to a satellite seen from the Earth: it passes in front of its planet, is
// hidden behind it, or stands in its shadow; and where it stands relative to the planet.
#ifndef VELARION_APP_SOLAR_SATELLITEEVENTS_H
#define VELARION_APP_SOLAR_SATELLITEEVENTS_H

#include "PlanetRecord.h"

namespace velarion::solar {

// A place as RA, Dec (degrees) and distance (AU); geocentric, one equator for all.
struct TSpherePlace {
  double raDeg = 0.0;
  double decDeg = 0.0;
  double distanceAu = 0.0;
};

// The planet's figure: equatorial radius (AU) and polar over equatorial radius.
struct TPlanetFigure {
  double equatorialRadiusAu = 0.0;
  double polarRatio = 1.0;
};
TPlanetFigure FigureOfPlanet(TPlanetIndex planet);

// The event of a satellite: hidden by the planet's disc or in front of it (seen from the
// observer at the origin), else in the planet's shadow cast from the Sun, else none.
TSatelliteEvent SatelliteEventOf(const TSpherePlace& planet, const TSpherePlace& satellite,
                                 const TSpherePlace& sun, const TPlanetFigure& figure);

// Position angle (degrees from north through east, 0..360) and separation (degrees) of a
// satellite from its planet, by their geocentric places.
struct TPositionAngle {
  double positionAngleDeg = 0.0;
  double separationDeg = 0.0;
};
TPositionAngle SatellitePositionAngle(double planetRaDeg, double planetDecDeg, double raDeg,
                                      double decDeg);

}  // namespace velarion::solar

#endif
