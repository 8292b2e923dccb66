#include "AngleUtils.h"

#include <algorithm>

namespace velarion::sky {

namespace {

constexpr double kRoundingOffset = 0.5555555555555556;

double ClampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

// Fractional part of x / period times period, shifted into [0, period). A tiny negative x
// would land exactly on the period after the shift; it belongs to 0.
double ReducePeriodic(double x, double period) {
  double turns = x / period;
  double reduced = (turns - std::trunc(turns)) * period;
  if (reduced < 0.0) {
    reduced += period;
  }
  return reduced >= period ? 0.0 : reduced;
}

}  // namespace

double ArcSin(double x) {
  const double c = ClampUnit(x);
  return std::atan2(c, std::sqrt(1.0 - c * c));
}

double ArcCos(double x) {
  const double c = ClampUnit(x);
  return std::atan2(std::sqrt(1.0 - c * c), c);
}

double Reduce360(double degrees) { return ReducePeriodic(degrees, 360.0); }

double Reduce24(double hours) { return ReducePeriodic(hours, 24.0); }

TMatrix3 Multiply(const TMatrix3& a, const TMatrix3& b) {
  TMatrix3 c{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      c[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    }
  }
  return c;
}

TMatrix3 Inverse(const TMatrix3& m) {
  // Cofactor of element (i, j), from the cyclic neighbours of row i and column j.
  const auto cofactor = [&m](int i, int j) {
    const int i1 = (i + 1) % 3;
    const int i2 = (i + 2) % 3;
    const int j1 = (j + 1) % 3;
    const int j2 = (j + 2) % 3;
    return m[i1][j1] * m[i2][j2] - m[i1][j2] * m[i2][j1];
  };
  const double determinant =
      m[0][0] * cofactor(0, 0) + m[0][1] * cofactor(0, 1) + m[0][2] * cofactor(0, 2);
  TMatrix3 inverse{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      inverse[i][j] = cofactor(j, i) / determinant;
    }
  }
  return inverse;
}

double RoundTo(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::trunc(x * scale + std::copysign(kRoundingOffset, x)) / scale;
}

}  // namespace velarion::sky
