#include "PathFit.h"

#include "J2000Precession.h"
#include "PositionCache.h"

#include <algorithm>
#include <cmath>

namespace velarion::paths {

namespace {

// The fit is tested at the middles of this many of the widest gaps between nodes.
constexpr int kTestsPerSegment = 3;
// A span is split at a computed moment this close to its middle (share of its length).
constexpr double kSplitReach = 0.2;
// A computed moment serves as a test moment when this close to it (share of the gap).
constexpr double kTestReach = 1.0 / 6.0;

enum class TSampling { kComplete, kPartial, kNone };

class TPathFitter {
 public:
  TPathFitter(double t0, double t1, const TPathPositionSource& source,
              const velplatform::TProgressReport& progress)
      : whole_(t1 - t0),
        progress_(progress),
        cache_([this, &source](double t) { return J2000PlaceAt(source, t); }) {}

  // False when cancelled.
  bool Build(const TTimeSpan& span, int depth);
  std::vector<TPathSegment> TakeSegments() { return std::move(segments_); }

 private:
  TPlaceSample J2000PlaceAt(const TPathPositionSource& source, double t) {
    const std::optional<TPlaceOfEquinox> place = source ? source(t) : std::nullopt;
    if (!place) return std::nullopt;
    return precession_.ToJ2000(*place);
  }
  TSampling SampleNodes(const TTimeSpan& span, TNodePlaces& places);
  bool EndsTooFarApart(const TTimeSpan& span);
  bool Passes(const TPathSegment& segment);
  double SplitTime(const TTimeSpan& span) const;
  bool Done(const TTimeSpan& span);

  double whole_;
  const velplatform::TProgressReport& progress_;
  TJ2000Precession precession_;
  TPositionCache cache_;
  std::vector<TPathSegment> segments_;
  double spanDone_ = 0.0;
};

TSampling TPathFitter::SampleNodes(const TTimeSpan& span, TNodePlaces& places) {
  const TNodeValues times = NodeTimes(span);
  std::size_t known = 0;
  for (std::size_t k = 0; k < kChebyshevNodes; ++k) {
    const TPlaceSample place = cache_.At(times[k]);
    if (!place) continue;
    places[k] = *place;
    ++known;
  }
  if (known == kChebyshevNodes) return TSampling::kComplete;
  return known == 0 ? TSampling::kNone : TSampling::kPartial;
}

bool TPathFitter::EndsTooFarApart(const TTimeSpan& span) {
  const TPlaceSample start = cache_.At(span.tStart);
  const TPlaceSample end = cache_.At(span.tEnd);
  return start && end && SeparationDeg(*start, *end) >= kLongestMotionDeg;
}

bool TPathFitter::Passes(const TPathSegment& segment) {
  if (segment.span.tEnd - segment.span.tStart < kShortestSpan) return true;
  TNodeValues times = NodeTimes(segment.span);
  std::sort(times.begin(), times.end());
  std::array<bool, kChebyshevNodes - 1> tested{};
  for (int test = 0; test < kTestsPerSegment; ++test) {
    std::size_t widest = 0;
    double widestGap = -1.0;
    for (std::size_t g = 0; g + 1 < kChebyshevNodes; ++g) {
      const double gap = times[g + 1] - times[g];
      if (!tested[g] && gap > widestGap) {
        widest = g;
        widestGap = gap;
      }
    }
    tested[widest] = true;
    const double middle = (times[widest] + times[widest + 1]) / 2.0;
    const std::optional<TCachedPlace> kept = cache_.Find(middle, widestGap * kTestReach);
    const double at = kept ? kept->tCenturies : middle;
    const TPlaceSample truth = kept ? kept->place : cache_.At(middle);
    if (!truth || SeparationDeg(PlaceOnSegment(segment, at), *truth) > kFitToleranceDeg) {
      return false;
    }
  }
  return true;
}

double TPathFitter::SplitTime(const TTimeSpan& span) const {
  const double middle = (span.tStart + span.tEnd) / 2.0;
  const double reach = (span.tEnd - span.tStart) * kSplitReach;
  // The cache's own tolerance may reach further on a very short span.
  const std::optional<TCachedPlace> kept = cache_.Find(middle, reach);
  return kept && std::fabs(kept->tCenturies - middle) <= reach ? kept->tCenturies : middle;
}

bool TPathFitter::Done(const TTimeSpan& span) {
  spanDone_ += span.tEnd - span.tStart;
  if (!progress_ || whole_ <= kShortestSpan) return true;
  const double share = std::clamp(spanDone_ / whole_, 0.0, 1.0);
  return progress_(static_cast<int32_t>(share * 100.0));
}

bool TPathFitter::Build(const TTimeSpan& span, int depth) {
  const bool shortest = span.tEnd - span.tStart < kShortestSpan || depth >= kMaxSplitDepth;
  if (shortest || !EndsTooFarApart(span)) {
    TNodePlaces places{};
    const TSampling sampling = SampleNodes(span, places);
    if (sampling == TSampling::kComplete) {
      const TPathSegment segment = FitSegment(span, places);
      if (shortest || Passes(segment)) {
        segments_.push_back(segment);
        return Done(span);
      }
    }
    if (shortest || sampling == TSampling::kNone) return Done(span);  // a gap
  }
  const double split = SplitTime(span);
  return Build({span.tStart, split}, depth + 1) && Build({split, span.tEnd}, depth + 1);
}

}  // namespace

TPathFit FitPath(double t0, double t1, const TPathPositionSource& source,
                 const velplatform::TProgressReport& progress) {
  if (!(t1 > t0)) return {};
  TPathFitter fitter(t0, t1, source, progress);
  const bool finished = fitter.Build({t0, t1}, 0);
  return {fitter.TakeSegments(), !finished};
}

}  // namespace velarion::paths
