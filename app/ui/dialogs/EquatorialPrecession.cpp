#include "EquatorialPrecession.h"

#include "velastro.h"

#include <cmath>

namespace velarion::ui {

TEquatorialPoint PrecessEquatorial(const TEquatorialPoint& point, double fromT, double toT) {
  if (std::fabs(toT - fromT) <= kSameEpochT) return point;
  double x = 0.0, y = 0.0, z = 0.0;
  Cart(1.0, point.decDeg, point.raDeg, &x, &y, &z);
  double matrix[9];
  PMatEqu(fromT, toT, matrix);
  Precart(matrix, &x, &y, &z);
  double r = 0.0;
  TEquatorialPoint result;
  Polar(x, y, z, &r, &result.decDeg, &result.raDeg);
  return result;
}

std::optional<int> FixedEpochIndex(double t) {
  for (std::size_t i = 0; i < kFixedEpochsT.size(); ++i) {
    if (std::fabs(kFixedEpochsT[i] - t) <= kSameEpochT) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace velarion::ui
