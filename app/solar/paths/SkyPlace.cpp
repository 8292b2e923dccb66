#include "SkyPlace.h"

#include "Units.h"

#include <algorithm>
#include <cmath>

namespace velarion::paths {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;

double SeparationDeg(const TSkyPlace& a, const TSkyPlace& b) {
  const double sinHalfDec = std::sin((b.decDeg - a.decDeg) * kDegToRad / 2.0);
  const double sinHalfRa = std::sin((b.raDeg - a.raDeg) * kDegToRad / 2.0);
  const double h = sinHalfDec * sinHalfDec + std::cos(a.decDeg * kDegToRad) *
                                                 std::cos(b.decDeg * kDegToRad) * sinHalfRa *
                                                 sinHalfRa;
  return 2.0 * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0))) * kRadToDeg;
}

}  // namespace velarion::paths
