// How a planet looks from the Earth: its phase from the triangle Sun-planet-Earth, its
// brightness, its apparent size.
#ifndef VELARION_APP_SOLAR_PLANETPHYSICS_H
#define VELARION_APP_SOLAR_PLANETPHYSICS_H

#include "PlanetIndex.h"

#include <cstdint>

namespace velarion::solar {

// Cosine of the phase angle (the angle Sun-planet-Earth) from the planet's distances to the
// Earth (delta) and to the Sun (r) and the Earth's distance to the Sun, all in AU; clamped
// to [-1, 1]. A degenerate triangle (a distance of 0) counts as full phase.
double PlanetCosPhase(double deltaAu, double rAu, double earthSunAu);

// The illuminated fraction (1 + cos i) / 2.
double IlluminatedFraction(double cosPhase);

// Visual magnitude of a planet at phase angle i (degrees) and the distances r and delta
// (AU); 0 for an index that is no planet's. Non-positive distances leave out the distance
// term.
double PlanetMagnitude(TPlanetIndex planet, double phaseAngleDeg, double rAu, double deltaAu);

// Apparent diameter (degrees) of a body of the given diameter at 1 AU (arcseconds); 0 at
// a distance of 0.
double ApparentDiameterDeg(double diameterAt1AuArcsec, double deltaAu);

}  // namespace velarion::solar

#endif
