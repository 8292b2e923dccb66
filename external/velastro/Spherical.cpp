// Spherical and rectangular coordinates.
#include "velastro.h"

#include "Support.h"

#include <cmath>

using namespace velastro;

extern "C" void Cart(double r, double theta, double phi, double* x, double* y, double* z) {
  const double ct = std::cos(theta * kDegToRad);
  Store(x, r * ct * std::cos(phi * kDegToRad));
  Store(y, r * ct * std::sin(phi * kDegToRad));
  Store(z, r * std::sin(theta * kDegToRad));
}

extern "C" void Polar(double x, double y, double z, double* r, double* theta, double* phi) {
  const double rho = std::hypot(x, y);
  Store(r, std::hypot(rho, z));
  Store(theta, std::atan2(z, rho) * kRadToDeg);
  Store(phi, (x == 0.0 && y == 0.0) ? 0.0 : Normalise360(std::atan2(y, x) * kRadToDeg));
}
