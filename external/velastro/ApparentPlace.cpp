// Mean place of an equinox to the apparent place of date.
//
// The steps of the Explanatory Supplement (1992, 3.2): precession to J2000.0, light
// deflection by the Sun and annual aberration with the Earth's barycentric position and
// velocity (ERFA's eraEpv00, eraLdsun, eraAb), then precession and nutation to the true
// equator of date.
#include "velastro.h"

#include "Frames.h"

#include <erfa.h>
#include <erfam.h>
#include <cmath>

using namespace velastro;

namespace {

// Deflection and aberration of a J2000.0 unit vector seen from the Earth at T.
void ApplyDeflectionAndAberration(double t, double p[3]) {
  const TJulianDate date = JulianDateOfT(t);
  double pvHelio[2][3];
  double pvBary[2][3];
  eraEpv00(date.jd1, date.jd2, pvHelio, pvBary);

  const double sunDistance = eraPm(pvHelio[0]);
  double sunToEarth[3];
  eraSxp(1.0 / sunDistance, pvHelio[0], sunToEarth);
  double deflected[3];
  eraLdsun(p, sunToEarth, sunDistance, deflected);

  double velocity[3];
  eraSxp(1.0 / ERFA_DC, pvBary[1], velocity);
  const double v2 = eraPm(velocity) * eraPm(velocity);
  eraAb(deflected, velocity, sunDistance, std::sqrt(1.0 - v2), p);
}

}  // namespace

extern "C" void AstrometricToApparent(double t0, double t, double* ra, double* dec) {
  if (ra == nullptr || dec == nullptr) {
    return;
  }
  double p[3];
  Cart(1.0, *dec, *ra, &p[0], &p[1], &p[2]);
  Apply(Transpose(PrecessionFromJ2000(t0)), p[0], p[1], p[2]);
  ApplyDeflectionAndAberration(t, p);
  Apply(Multiply(NutationMatrix(t), PrecessionFromJ2000(t)), p[0], p[1], p[2]);
  double r = 0.0;
  Polar(p[0], p[1], p[2], &r, dec, ra);
}
