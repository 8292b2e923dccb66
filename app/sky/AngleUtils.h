// Angle and small-matrix helpers shared by the whole program: degree/radian conversion,
// trigonometry in the forms the sky code relies on, range reduction, 3x3 matrices and the
// program's decimal rounding.
#ifndef VELARION_APP_SKY_ANGLEUTILS_H
#define VELARION_APP_SKY_ANGLEUTILS_H

#include "Units.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velarion::sky {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;

// Row-major 3x3 matrix: m[i][j] is row i, column j; it rotates column vectors, v' = m v.
using TMatrix3 = std::array<std::array<double, 3>, 3>;
using TVector3 = std::array<double, 3>;

inline constexpr TMatrix3 kIdentity3 = {{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};

struct TSinCos {
  double sin;
  double cos;
};

inline double DegToRad(double degrees) { return degrees * kDegToRad; }
inline double RadToDeg(double radians) { return radians * kRadToDeg; }

// Sine and cosine of one angle in radians, computed together.
inline TSinCos SinCos(double radians) { return {std::sin(radians), std::cos(radians)}; }

// Nearest integer with halves going to the even neighbour (the default rounding mode). One
// conversion instruction where SSE2 is there: the libm call costs more than the projection
// arithmetic around it.
inline int64_t RoundToInt64(double x) {
#if defined(__SSE2__)
  return _mm_cvtsd_si64(_mm_set_sd(x));
#else
  return std::llrint(x);
#endif
}
inline int32_t RoundToInt(double x) { return static_cast<int32_t>(RoundToInt64(x)); }

namespace detail {

// 1/n! for the Taylor series of sine and cosine.
constexpr double InverseFactorial(int n) { return n <= 1 ? 1.0 : InverseFactorial(n - 1) / n; }

// Series on [-pi/4, pi/4]; the first omitted terms are below 5e-17. In u = -x^2 every
// coefficient is positive, and Estrin's grouping keeps the chain of dependent operations
// short: the inner loops are bound by latency, not by the number of multiplications.
inline TSinCos SinCosNearZero(double x) {
  constexpr auto f = InverseFactorial;
  const double u = -x * x;
  const double u2 = u * u;
  const double u4 = u2 * u2;
  const double sinSeries =
      (f(3) + f(5) * u) + u2 * (f(7) + f(9) * u) + u4 * ((f(11) + f(13) * u) + u2 * f(15));
  const double cosSeries = (f(2) + f(4) * u) + u2 * (f(6) + f(8) * u) +
                           u4 * ((f(10) + f(12) * u) + u2 * (f(14) + f(16) * u));
  return {x + x * u * sinSeries, 1.0 + u * cosSeries};
}

}  // namespace detail

// Sine and cosine of an angle in degrees. The angle is first reduced exactly to within 45
// degrees of a multiple of 90, so multiples of 90 give exact zeros and ones, and the series
// is several times faster than the library calls in the inner loop of RaDecToXY.
inline TSinCos SinCosDeg(double degrees) {
  if (!(std::fabs(degrees) < 1.0e15)) {  // beyond exact reduction, or NaN
    return SinCos(degrees * kDegToRad);
  }
  // Any nearby multiple of 90 will do, so a product stands in for the slower division.
  const int64_t quadrant = RoundToInt64(degrees * (1.0 / 90.0));
  const TSinCos r =
      detail::SinCosNearZero((degrees - 90.0 * static_cast<double>(quadrant)) * kDegToRad);
  // Picked by index, not by branches, which would mispredict on every other star.
  const std::array<double, 4> sines = {r.sin, r.cos, -r.sin, -r.cos};
  const std::array<double, 4> cosines = {r.cos, -r.sin, -r.cos, r.sin};
  const auto k = static_cast<std::size_t>(quadrant & 3);
  return {sines[k], cosines[k]};
}

inline double Tan(double radians) { return std::tan(radians); }

// Arcsine and arccosine in radians as atan2 forms, which stay accurate near +-1. The
// argument is clamped to [-1, 1] so that rounding just past the ends gives the end angle
// instead of NaN.
double ArcSin(double x);
double ArcCos(double x);

inline double ArcTan2(double y, double x) { return std::atan2(y, x); }

// Degrees reduced to [0, 360) and hours to [0, 24).
double Reduce360(double degrees);
double Reduce24(double hours);

TMatrix3 Multiply(const TMatrix3& a, const TMatrix3& b);

// Row i of m times v.
inline double RowTimes(const TMatrix3& m, int i, const TVector3& v) {
  return m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
}
inline TVector3 Multiply(const TMatrix3& m, const TVector3& v) {
  return {RowTimes(m, 0, v), RowTimes(m, 1, v), RowTimes(m, 2, v)};
}

// Inverse by cofactors over the determinant; the matrix must not be singular.
TMatrix3 Inverse(const TMatrix3& m);

// Rounds to `decimals` places the way every displayed value of the program is rounded:
// the integer part of (x * 10^n +- 0.5555555555555556) / 10^n, the offset taking the sign
// of x.
double RoundTo(double x, int decimals);

}  // namespace velarion::sky

#endif
