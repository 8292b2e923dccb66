// Nutation: the rotation from the mean to the true equator and equinox of date.
//
// Model: IAU 2000A nutation with the IAU 2006 adjustments (ERFA's eraNum06a).
#include "velastro.h"

#include "Frames.h"

#include <erfa.h>

namespace velastro {

TMatrix NutationMatrix(double t) {
  const TJulianDate date = JulianDateOfT(t);
  double rn[3][3];
  eraNum06a(date.jd1, date.jd2, rn);
  return FromErfa(rn);
}

}  // namespace velastro

using namespace velastro;

extern "C" void PMatNutEqu(double t, double a[9]) { CopyOut(NutationMatrix(t), a); }

extern "C" void NutEqu(double t, double* x, double* y, double* z) {
  if (x == nullptr || y == nullptr || z == nullptr) {
    return;
  }
  Apply(NutationMatrix(t), *x, *y, *z);
}
