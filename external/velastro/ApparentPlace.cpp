// Mean place of an equinox to the apparent place of date.
//
// The steps of the Explanatory Supplement (1992, 3.2): precession to J2000.0, light
// deflection by the Sun and annual aberration with the Earth's barycentric position and
// velocity (ERFA's eraEpv00, eraLdsun, eraAb), then precession and nutation to the true
// equator of date. What depends only on the two moments is prepared once
// (PrepareApparentPlaces), so that a catalogue of stars pays for the Earth's motion,
// precession and nutation once per view (ApparentPlaceQuick); AstrometricToApparent is
// the two in a row.
#include "velastro.h"

#include "Frames.h"

#include <erfa.h>
#include <erfam.h>
#include <cmath>

using namespace velastro;

namespace {

void CopyMatrix(const TMatrix& m, double out[9]) {
  for (int i = 0; i < 9; ++i) {
    out[i] = m[static_cast<std::size_t>(i)];
  }
}

TMatrix MatrixOf(const double a[9]) {
  TMatrix m{};
  for (int i = 0; i < 9; ++i) {
    m[static_cast<std::size_t>(i)] = a[i];
  }
  return m;
}

}  // namespace

extern "C" void PrepareApparentPlaces(double t0, double t, TApparentPlaceParams* params) {
  if (params == nullptr) {
    return;
  }
  CopyMatrix(Transpose(PrecessionFromJ2000(t0)), params->toJ2000);

  const TJulianDate date = JulianDateOfT(t);
  double pvHelio[2][3];
  double pvBary[2][3];
  eraEpv00(date.jd1, date.jd2, pvHelio, pvBary);
  params->sunDistanceAu = eraPm(pvHelio[0]);
  eraSxp(1.0 / params->sunDistanceAu, pvHelio[0], params->sunToEarth);
  eraSxp(1.0 / ERFA_DC, pvBary[1], params->velocity);
  const double speed = eraPm(params->velocity);
  params->inverseLorentz = std::sqrt(1.0 - speed * speed);

  CopyMatrix(Multiply(NutationMatrix(t), PrecessionFromJ2000(t)), params->toTrueOfDate);
}

extern "C" void ApparentPlaceQuick(const TApparentPlaceParams* params, double* ra, double* dec) {
  if (params == nullptr || ra == nullptr || dec == nullptr) {
    return;
  }
  double p[3];
  Cart(1.0, *dec, *ra, &p[0], &p[1], &p[2]);
  Apply(MatrixOf(params->toJ2000), p[0], p[1], p[2]);
  // ERFA takes its vectors as mutable arrays.
  double sunToEarth[3] = {params->sunToEarth[0], params->sunToEarth[1], params->sunToEarth[2]};
  double velocity[3] = {params->velocity[0], params->velocity[1], params->velocity[2]};
  double deflected[3];
  eraLdsun(p, sunToEarth, params->sunDistanceAu, deflected);
  eraAb(deflected, velocity, params->sunDistanceAu, params->inverseLorentz, p);
  Apply(MatrixOf(params->toTrueOfDate), p[0], p[1], p[2]);
  double r = 0.0;
  Polar(p[0], p[1], p[2], &r, dec, ra);
}

extern "C" void AstrometricToApparent(double t0, double t, double* ra, double* dec) {
  if (ra == nullptr || dec == nullptr) {
    return;
  }
  TApparentPlaceParams params;
  PrepareApparentPlaces(t0, t, &params);
  ApparentPlaceQuick(&params, ra, dec);
}
