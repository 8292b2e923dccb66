// Local apparent sidereal time: the local mean sidereal time (LMST) plus the equation of
// the equinoxes, so that LAST - RA is the hour angle of a place referred to the true
// equator and equinox of date.
//
// The equation of the equinoxes is ERFA's eraEe06a (IAU 2006 precession with IAU 2000A
// nutation: Capitaine and Wallace 2006; IERS Conventions 2010, 5.5.7), taken at TT. It is
// the one consistent with the rest of velastro: the nutation of PMatNutEqu and NutEqu is
// eraNum06a (IAU 2006/2000A) and LMST is eraGmst06 (IAU 2006), so GMST + eraEe06a is the
// Greenwich apparent sidereal time of exactly that true equinox (eraGst06a). The older
// eraEqeq94 (IAU 1980 nutation) or eraEe00a (IAU 2000 precession) would refer the hour
// angle to a slightly different equinox than the nutation matrix does.
#include "velastro.h"

#include "Support.h"

#include <erfa.h>

using namespace velastro;

extern "C" double LAST(double mjdUt, double lambdaWest) {
  const double mjdTt = mjdUt + GetDeltat(GetT(mjdUt)) / kSecondsPerDay;
  const double equationHours = eraEe06a(kJdMjdZero, mjdTt) * kRadToDeg / 15.0;
  return Normalise360((LMST(mjdUt, lambdaWest) + equationHours) * 15.0) / 15.0;
}
