// Frame rotations shared inside velastro (IAU 2006/2000A through ERFA).
#ifndef VELASTRO_FRAMES_H
#define VELASTRO_FRAMES_H

#include "Support.h"

namespace velastro {

// Precession from the mean equator and equinox of J2000.0 to those of T.
TMatrix PrecessionFromJ2000(double t);

// Mean equator of J2000.0 to the mean ecliptic and equinox of T.
TMatrix EclipticOfDateFromJ2000Equator(double t);

// Mean obliquity of the ecliptic of T, radians.
double MeanObliquityRad(double t);

// Mean to true equator and equinox of T.
TMatrix NutationMatrix(double t);

}  // namespace velastro

#endif
