#include "J2000Precession.h"

#include "velastro.h"

#include <cmath>

namespace velarion::paths {

TSkyPlace TJ2000Precession::ToJ2000(const TPlaceOfEquinox& place) {
  if (!matrixEquinox_ || std::fabs(place.equinoxT - *matrixEquinox_) > kEquinoxTolerance) {
    PMatEqu(place.equinoxT, 0.0, matrix_.data());
    matrixEquinox_ = place.equinoxT;
  }
  double x = 0.0, y = 0.0, z = 0.0;
  Cart(1.0, place.decDeg, place.raDeg, &x, &y, &z);
  Precart(matrix_.data(), &x, &y, &z);
  double r = 0.0;
  TSkyPlace j2000;
  Polar(x, y, z, &r, &j2000.decDeg, &j2000.raDeg);
  return j2000;
}

}  // namespace velarion::paths
