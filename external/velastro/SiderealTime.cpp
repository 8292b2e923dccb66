// Local mean sidereal time.
//
// Greenwich mean sidereal time of IAU 2006 (Capitaine et al. 2005) through ERFA's
// eraGmst06, which takes UT1 for the Earth rotation angle and TT for the precession part;
// TT comes from GetDeltat.
#include "velastro.h"

#include "Support.h"

#include <erfa.h>

using namespace velastro;

extern "C" double LMST(double mjdUt, double lambdaWest) {
  const double mjdTt = mjdUt + GetDeltat(GetT(mjdUt)) / kSecondsPerDay;
  const double gmstRad = eraGmst06(kJdMjdZero, mjdUt, kJdMjdZero, mjdTt);
  double hours = gmstRad * kRadToDeg / 15.0 - lambdaWest / 15.0;
  hours = Normalise360(hours * 15.0) / 15.0;
  return hours;
}
