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

// The geocentric place of a planet from the precise heliocentric places of the planet and
// the Earth at T: the planet is taken back by the light time with its velocity from a
// short series in its mean anomaly, and unless `astrometric` the Earth's motion during
// the light time is added, which gives the apparent direction to first order. Bodies
// without a series (the Sun, the Moon, unknown numbers) get no correction.
TEclipticPlace ApplyPlanetLightTime(uint8_t body, double tCenturies, const TEclipticPlace& planet,
                                    const TEclipticPlace& earth, bool astrometric);

// Heliocentric velocity (AU per day, ecliptic of date) of a planet or the Earth from that
// series; zero for bodies without one.
struct TVelocity {
  double x = 0.0, y = 0.0, z = 0.0;
};
TVelocity SeriesVelocity(uint8_t body, double tCenturies, const TEclipticPlace& place);

// Takes the annual aberration out of an apparent direction (mean equator of date),
// relativistically, with the Earth's heliocentric velocity at T.
void RemoveAnnualAberration(double& raDeg, double& decDeg, double tCenturies);

}  // namespace velarion::solar

#endif
