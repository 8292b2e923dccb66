// Light time and aberration corrections of the body positions.
#ifndef VELARION_APP_SOLAR_LIGHTTIME_H
#define VELARION_APP_SOLAR_LIGHTTIME_H

#include <cstdint>

namespace velarion::solar {

// Heliocentric ecliptic place: longitude and latitude in degrees, radius in AU.
struct TEclipticPlace {
  double longitudeDeg = 0.0;
  double latitudeDeg = 0.0;
  double radiusAu = 0.0;
};

// A precise heliocentric theory: T to longitude, latitude (degrees, ecliptic of date) and
// radius (AU), as velsolar's planet routines give them.
using THeliocentricTheory = void (*)(double, double*, double*, double*);

// The geocentric place of a planet from the precise heliocentric places of the planet and
// the Earth at T: the planet is put where its theory has it when the light left it, the
// light time iterated (one step with a velocity from a short series would carry that
// series' error, up to 3.7" for Pluto), and turned from the ecliptic of that moment to the
// one of T; unless `astrometric`, the Earth's motion during the light time is added, with
// its velocity from the series below, which gives the apparent direction to first order.
TEclipticPlace ApplyPlanetLightTime(THeliocentricTheory planetTheory, double tCenturies,
                                    const TEclipticPlace& planet, const TEclipticPlace& earth,
                                    bool astrometric);

// The Earth's heliocentric velocity (AU per day, ecliptic of date) from a short series in
// its mean anomaly.
struct TVelocity {
  double x = 0.0, y = 0.0, z = 0.0;
};
TVelocity EarthSeriesVelocity(double tCenturies, const TEclipticPlace& place);

// Takes the annual aberration out of an apparent direction (mean equator of date),
// relativistically, with the Earth's heliocentric velocity at T.
void RemoveAnnualAberration(double& raDeg, double& decDeg, double tCenturies);

}  // namespace velarion::solar

#endif
