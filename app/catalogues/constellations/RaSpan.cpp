#include "RaSpan.h"

#include <algorithm>
#include <cmath>

namespace velarion::catalogues {

TRaSpan SegmentRaSpan(double ra1Deg, double ra2Deg, const kit::TRaDecWindow& window) {
  TRaSpan span{std::min(ra1Deg, ra2Deg), std::max(ra1Deg, ra2Deg)};
  if (span.highDeg - span.lowDeg > 180.0) {
    // Across 0h: from the larger RA up through 360, or from below 0 to the smaller one,
    // whichever form lies on the window's side.
    span = window.raMax > 180.0 ? TRaSpan{span.highDeg, span.lowDeg + 360.0}
                                : TRaSpan{span.highDeg - 360.0, span.lowDeg};
  } else if (window.raMax > 360.0 && window.raMax - 360.0 > span.lowDeg) {
    // The whole line moves, never one end alone, so that low stays below high.
    span.lowDeg += 360.0;
    span.highDeg += 360.0;
  }
  return span;
}

double MeanRa(double ra1Deg, double ra2Deg) {
  double mean = (ra1Deg + ra2Deg) / 2.0;
  if (std::abs(ra1Deg - ra2Deg) > 180.0) {
    mean += 180.0;
    if (mean >= 360.0) mean -= 360.0;
  }
  return mean;
}

}  // namespace velarion::catalogues
