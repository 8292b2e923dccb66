// Precession matrices between mean equators and between mean ecliptics of two epochs,
// and the mean obliquity of the ecliptic.
//
// Model: IAU 2006 precession (Capitaine et al. 2003, Fukushima-Williams angles) through
// ERFA's eraBp06 and eraObl06. The frame bias is left out, so catalogue places of J2000.0
// are taken as mean places of J2000.0 (they differ by 0.02 arcseconds).
#include "velastro.h"

#include "Frames.h"

#include <erfa.h>

namespace velastro {

// Precession from the mean equator of J2000.0 to the mean equator of T.
TMatrix PrecessionFromJ2000(double t) {
  const TJulianDate date = JulianDateOfT(t);
  double rb[3][3];
  double rp[3][3];
  double rbp[3][3];
  eraBp06(date.jd1, date.jd2, rb, rp, rbp);
  return FromErfa(rp);
}

double MeanObliquityRad(double t) {
  const TJulianDate date = JulianDateOfT(t);
  return eraObl06(date.jd1, date.jd2);
}

// Mean equator of J2000.0 to the mean ecliptic of T.
TMatrix EclipticOfDateFromJ2000Equator(double t) {
  return Multiply(RotationX(MeanObliquityRad(t)), PrecessionFromJ2000(t));
}

}  // namespace velastro

using namespace velastro;

extern "C" double GetEps(double t) { return MeanObliquityRad(t) * kRadToDeg; }

extern "C" void PMatEqu(double t1, double t2, double a[9]) {
  CopyOut(Multiply(PrecessionFromJ2000(t2), Transpose(PrecessionFromJ2000(t1))), a);
}

extern "C" void PMatEcl(double t1, double t2, double a[9]) {
  CopyOut(
      Multiply(EclipticOfDateFromJ2000Equator(t2), Transpose(EclipticOfDateFromJ2000Equator(t1))),
      a);
}

extern "C" void Precart(const double a[9], double* x, double* y, double* z) {
  if (a == nullptr || x == nullptr || y == nullptr || z == nullptr) {
    return;
  }
  TMatrix m;
  for (int i = 0; i < 9; ++i) {
    m[i] = a[i];
  }
  Apply(m, *x, *y, *z);
}

extern "C" void EclEqu(double t, double* x, double* y, double* z) {
  if (x == nullptr || y == nullptr || z == nullptr) {
    return;
  }
  Apply(RotationX(-MeanObliquityRad(t)), *x, *y, *z);
}

extern "C" void EquEcl(double t, double* x, double* y, double* z) {
  if (x == nullptr || y == nullptr || z == nullptr) {
    return;
  }
  Apply(RotationX(MeanObliquityRad(t)), *x, *y, *z);
}
