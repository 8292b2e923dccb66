#include "PathTrace.h"

#include "PathFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velarion::paths {

namespace {

using velplatform::TPoint;

constexpr int32_t kStepPx = 5;
// Where the path leaves the sky: found to this angle, or to this far inside the rim.
constexpr double kEdgeDeg = 4e-4;
constexpr int32_t kRimMarginPx = 3;
// Two unseen places closer than this have no visible path between them.
constexpr double kUnseenStepDeg = 0.3;
// Halvings of a segment's time: beyond the 4e-4 degree edge search of an 8 degree segment.
constexpr int kMaxRefineDepth = 40;

struct TTracePoint {
  double t = 0.0;
  TSkyPlace place;
  std::optional<TPoint> point;
};

class TTracer {
 public:
  TTracer(const TPlaceOnMap& onMap, const TSkyDisc& disc) : onMap_(onMap), disc_(disc) {}

  void Trace(const TPathSegment& segment);
  TPathPolylines Take();

 private:
  TTracePoint At(const TPathSegment& segment, double t) const {
    const TSkyPlace place = PlaceOnSegment(segment, t);
    return {t, place, onMap_(place)};
  }
  // `shown` is on the map, `unseen` not: the break between them is found.
  bool AtEdge(const TTracePoint& shown, const TTracePoint& unseen) const {
    const double dx = shown.point->x - disc_.centre.x;
    const double dy = shown.point->y - disc_.centre.y;
    return SeparationDeg(shown.place, unseen.place) < kEdgeDeg ||
           std::hypot(dx, dy) > disc_.radius - kRimMarginPx;
  }
  void Refine(const TPathSegment& segment, const TTracePoint& a, const TTracePoint& b, int depth);
  void Add(TPoint p) {
    polylines_.points.push_back(p);
    ++runLength_;
  }
  void PenUp() {
    if (runLength_ > 0) polylines_.counts.push_back(runLength_);
    runLength_ = 0;
  }

  const TPlaceOnMap& onMap_;
  TSkyDisc disc_;
  TPathPolylines polylines_;
  int32_t runLength_ = 0;
};

void TTracer::Trace(const TPathSegment& segment) {
  const TTracePoint start = At(segment, segment.span.tStart);
  const TTracePoint end = At(segment, segment.span.tEnd);
  if (start.point) Add(*start.point);
  Refine(segment, start, end, 0);
  if (end.point) {
    Add(*end.point);
    PenUp();
  }
}

void TTracer::Refine(const TPathSegment& segment, const TTracePoint& a, const TTracePoint& b,
                     int depth) {
  if (a.point && b.point && std::abs(a.point->x - b.point->x) < kStepPx &&
      std::abs(a.point->y - b.point->y) < kStepPx) {
    return;
  }
  if (a.point && !b.point && AtEdge(a, b)) {
    PenUp();
    return;
  }
  if (!a.point && b.point && AtEdge(b, a)) return;
  if (depth >= kMaxRefineDepth) {
    if (!a.point || !b.point) PenUp();
    return;
  }
  const TTracePoint middle = At(segment, (a.t + b.t) / 2.0);
  if (!a.point && !b.point && !middle.point && SeparationDeg(a.place, b.place) < kUnseenStepDeg) {
    return;
  }
  Refine(segment, a, middle, depth + 1);
  if (middle.point) Add(*middle.point);
  Refine(segment, middle, b, depth + 1);
}

TPathPolylines TTracer::Take() {
  PenUp();
  if (!polylines_.points.empty()) {
    const auto [minX, maxX] =
        std::minmax_element(polylines_.points.begin(), polylines_.points.end(),
                            [](const TPoint& p, const TPoint& q) { return p.x < q.x; });
    const auto [minY, maxY] =
        std::minmax_element(polylines_.points.begin(), polylines_.points.end(),
                            [](const TPoint& p, const TPoint& q) { return p.y < q.y; });
    polylines_.bounds = {minX->x, minY->y, maxX->x, maxY->y};
  }
  return std::move(polylines_);
}

}  // namespace

TPathPolylines TracePath(std::span<const TPathSegment> segments, const TPlaceOnMap& onMap,
                         const TSkyDisc& disc) {
  TTracer tracer(onMap, disc);
  for (const TPathSegment& segment : segments) {
    if (segment.span.tEnd - segment.span.tStart > kShortestSpan) tracer.Trace(segment);
  }
  return tracer.Take();
}

}  // namespace velarion::paths
