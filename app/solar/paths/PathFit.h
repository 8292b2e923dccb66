// Fits an object's path over a span of time with Chebyshev segments accurate to 2"
// (J2000.0): a span whose ends are less than 8 degrees apart is fitted and tested at the
// middles of the widest gaps between its nodes; a span that is too long or fails is split
// at its middle, or at a moment already computed near the middle. Every place goes through
// the position cache.
//
// Where the source cannot tell the place the path has a gap: a span whose samples are all
// missing is left out whole, one with some missing is split until it is shorter than
// kShortestSpan and then left out. A span that short is taken untested. The recursion is
// bounded by kShortestSpan and by kMaxSplitDepth whatever the source does.
#ifndef VELARION_APP_SOLAR_PATHS_PATHFIT_H
#define VELARION_APP_SOLAR_PATHS_PATHFIT_H

#include "PathSegment.h"
#include "Progress.h"
#include "SkyPlace.h"

#include <vector>

namespace velarion::paths {

inline constexpr double kShortestSpan = 3e-11;            // centuries
inline constexpr double kLongestMotionDeg = 8.0;          // between a segment's ends
inline constexpr double kFitToleranceDeg = 1.0 / 1800.0;  // 2"
inline constexpr int kMaxSplitDepth = 64;

struct TPathFit {
  std::vector<TPathSegment> segments;  // ordered by time
  bool cancelled = false;              // the segments are then those fitted so far
};

// The path over [t0, t1] (T of universal time); none when t1 <= t0. `progress` (may be
// empty) hears the share of the span done after each segment or gap, when the span is
// longer than kShortestSpan, and stops the fit by answering false.
TPathFit FitPath(double t0, double t1, const TPathPositionSource& source,
                 const velplatform::TProgressReport& progress);

}  // namespace velarion::paths

#endif
