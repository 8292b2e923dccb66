// Internal helpers shared by the velastro routines: constants, out-pointer stores and
// the conversion between the interface's row-major matrices and ERFA's.
#ifndef VELASTRO_SUPPORT_H
#define VELASTRO_SUPPORT_H

#include <array>
#include <cmath>

#include "OutValues.h"
#include "Units.h"

namespace velastro {

using velcommon::kArcsecToRad;
using velcommon::kDaysPerCentury;
using velcommon::kDaysPerMillennium;
using velcommon::kDegToRad;
using velcommon::kJdJ2000;
using velcommon::kJdMjdZero;
using velcommon::kKmPerEarthRadius;
using velcommon::kMjdJ2000;
using velcommon::kRadToDeg;
using velcommon::kSecondsPerDay;
using velcommon::Normalise360;
using velcommon::Store;

// Two-part Julian date (ERFA's form) of a moment given as T in centuries from J2000.0.
struct TJulianDate {
  double jd1;
  double jd2;
};
inline TJulianDate JulianDateOfT(double t) { return {kJdJ2000, t * kDaysPerCentury}; }

using TMatrix = std::array<double, 9>;

inline TMatrix FromErfa(const double r[3][3]) {
  return {r[0][0], r[0][1], r[0][2], r[1][0], r[1][1], r[1][2], r[2][0], r[2][1], r[2][2]};
}

inline void CopyOut(const TMatrix& m, double a[9]) {
  if (a != nullptr) {
    for (int i = 0; i < 9; ++i) {
      a[i] = m[i];
    }
  }
}

// Product A B of two row-major matrices.
inline TMatrix Multiply(const TMatrix& a, const TMatrix& b) {
  TMatrix c{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      c[3 * i + j] = a[3 * i] * b[j] + a[3 * i + 1] * b[3 + j] + a[3 * i + 2] * b[6 + j];
    }
  }
  return c;
}

inline TMatrix Transpose(const TMatrix& a) {
  return {a[0], a[3], a[6], a[1], a[4], a[7], a[2], a[5], a[8]};
}

// Rotation of vectors about the x axis by angle (radians), in ERFA's sense (eraRx): the
// frame turns by +angle, so a vector's coordinates turn by -angle.
inline TMatrix RotationX(double angle) {
  const double s = std::sin(angle);
  const double c = std::cos(angle);
  return {1.0, 0.0, 0.0, 0.0, c, s, 0.0, -s, c};
}

inline void Apply(const TMatrix& a, double& x, double& y, double& z) {
  const double rx = a[0] * x + a[1] * y + a[2] * z;
  const double ry = a[3] * x + a[4] * y + a[5] * z;
  const double rz = a[6] * x + a[7] * y + a[8] * z;
  x = rx;
  y = ry;
  z = rz;
}

}  // namespace velastro

#endif
