#include "PathSegment.h"

#include "AngleUtils.h"

#include <algorithm>

namespace velarion::paths {

TPathSegment FitSegment(const TTimeSpan& span, const TNodePlaces& places) {
  TNodeValues ra{};
  TNodeValues dec{};
  double turns = 0.0;
  for (std::size_t k = 0; k < kChebyshevNodes; ++k) {
    if (k > 0) {
      const double step = places[k].raDeg - places[k - 1].raDeg;
      if (step > 180.0) turns -= 360.0;
      if (step < -180.0) turns += 360.0;
    }
    ra[k] = places[k].raDeg + turns;
    dec[k] = places[k].decDeg;
  }
  return {span, FitChebyshev(ra), FitChebyshev(dec)};
}

TSkyPlace PlaceOnSegment(const TPathSegment& segment, double t) {
  const double u = ChebyshevArgument(segment.span, t);
  return {sky::Reduce360(EvaluateChebyshev(segment.ra, u)), EvaluateChebyshev(segment.dec, u)};
}

const TPathSegment* SegmentAt(std::span<const TPathSegment> segments, double t, double slack) {
  // The first segment that does not end before t.
  const auto found = std::lower_bound(
      segments.begin(), segments.end(), t,
      [slack](const TPathSegment& s, double time) { return s.span.tEnd + slack < time; });
  if (found == segments.end() || found->span.tStart - slack > t) return nullptr;
  return &*found;
}

std::optional<TSkyPlace> PlaceOnPath(std::span<const TPathSegment> segments, double t) {
  const TPathSegment* segment = SegmentAt(segments, t);
  if (segment == nullptr) return std::nullopt;
  return PlaceOnSegment(*segment, t);
}

}  // namespace velarion::paths
