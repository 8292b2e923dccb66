#include "BoundarySampling.h"

#include "AngleUtils.h"
#include "ProjectionExports.h"
#include "RaSpan.h"

#include <algorithm>
#include <cmath>

namespace velarion::catalogues {

namespace {

constexpr int32_t kFullTurnArcmin = 21600;
constexpr int32_t kQuarterTurnArcmin = 5400;
constexpr double kStepPixelsArcmin = 20000.0;  // about 6 pixels per step at any radius
constexpr double kStepPixelsDeg = 720.0;
constexpr int32_t kMinParallelStepArcmin = 2;
// Bounds the samples of one segment in the detailed view, where a parallel through the
// pole's neighbourhood may span the whole window at a very large radius.
constexpr int32_t kMaxDetailedSamples = 20000;

void AddQuick(int32_t raArcmin, int32_t decArcmin, TBoundaryPoints& points) {
  velplatform::TPoint p;
  if (raArcmin >= kFullTurnArcmin) raArcmin -= kFullTurnArcmin;
  if (QuickRaDecToXY(raArcmin, decArcmin, &p.x, &p.y)) {
    points.Add(p);
  } else {
    points.Break();
  }
}

void AddDetailed(double raDeg, double decDeg, TBoundaryPoints& points) {
  velplatform::TPoint p;
  if (RaDecToXY(raDeg, decDeg, &p.x, &p.y)) {
    points.Add(p);
  } else {
    points.Break();
  }
}

int32_t ParallelStepArcmin(int32_t radius, int32_t decArcmin) {
  const int32_t length = radius - radius * decArcmin / kQuarterTurnArcmin;
  if (length <= 0) return kFullTurnArcmin;  // at the pole the parallel is a point
  return std::max(kMinParallelStepArcmin, static_cast<int32_t>(kStepPixelsArcmin) / length);
}

int32_t MeridianStepArcmin(const TSamplingScale& scale) {
  const double perPixel = kStepPixelsArcmin / scale.radius;
  const double step = scale.yScale >= 1.0 ? perPixel / scale.yScale : perPixel;
  return std::max<int32_t>(1, static_cast<int32_t>(std::lround(step)));
}

// From `from` to `to` by `step` (positive), the last step cut so that `to` is taken.
template <typename TSample>
void Walk(int32_t from, int32_t to, int32_t step, const TSample& sample) {
  const int32_t direction = to >= from ? 1 : -1;
  for (int32_t v = from;; v += direction * std::min(step, std::abs(to - v))) {
    sample(v);
    if (v == to) break;
  }
}

template <typename TSample>
void Walk(double from, double to, double step, const TSample& sample) {
  step = std::max(step, (to - from) / kMaxDetailedSamples);
  const auto steps = static_cast<int32_t>(std::ceil((to - from) / step));
  for (int32_t i = 0; i < steps; ++i) sample(from + i * step);
  sample(to);
}

}  // namespace

int32_t QuickPointsReady(const TSamplingScale& scale) { return scale.radius * 6 / 4; }

int32_t DetailedPointsReady(const kit::TViewRect& viewRect) {
  return static_cast<int32_t>(std::lround(
      3.0 * std::hypot(viewRect.right - viewRect.left, viewRect.bottom - viewRect.top)));
}

void SampleQuick(const TBoundarySegment& s, const TSamplingScale& scale, TBoundaryPoints& points) {
  velplatform::TPoint unused;
  if (scale.radius <= 0 || (!QuickRaDecToXY(s.ra1Arcmin, s.dec1Arcmin, &unused.x, &unused.y) &&
                            !QuickRaDecToXY(s.ra2Arcmin, s.dec2Arcmin, &unused.x, &unused.y))) {
    return;
  }
  if (s.AlongParallel()) {
    // Eastward from the first end; a second end below the first lies beyond 24h.
    const int32_t to = s.ra2Arcmin < s.ra1Arcmin ? s.ra2Arcmin + kFullTurnArcmin : s.ra2Arcmin;
    Walk(int32_t{s.ra1Arcmin}, to, ParallelStepArcmin(scale.radius, s.dec1Arcmin),
         [&](int32_t ra) { AddQuick(ra, s.dec1Arcmin, points); });
  } else {
    Walk(int32_t{s.dec1Arcmin}, int32_t{s.dec2Arcmin}, MeridianStepArcmin(scale),
         [&](int32_t dec) { AddQuick(s.ra1Arcmin, dec, points); });
  }
}

void SampleDetailed(const TBoundarySegment& s, const TSamplingScale& scale,
                    const kit::TRaDecWindow& window, TBoundaryPoints& points) {
  const double ra1 = s.ra1Arcmin / 60.0, dec1 = s.dec1Arcmin / 60.0;
  const double ra2 = s.ra2Arcmin / 60.0, dec2 = s.dec2Arcmin / 60.0;
  int32_t x = 0;
  int32_t y = 0;
  if (scale.radius <= 0 || (!RaDecToXY(ra1, dec1, &x, &y) && !RaDecToXY(ra2, dec2, &x, &y))) {
    return;
  }
  TRaSpan ra = SegmentRaSpan(ra1, ra2, window);
  if (window.raMax - window.raMin < 360.0) {
    ra = {std::max(ra.lowDeg, window.raMin), std::min(ra.highDeg, window.raMax)};
  }
  const double decLow = std::max(std::min(dec1, dec2), window.decMin);
  const double decHigh = std::min(std::max(dec1, dec2), window.decMax);
  if (ra.lowDeg > ra.highDeg || decLow > decHigh) return;
  const double step = kStepPixelsDeg / scale.radius;
  if (s.AlongParallel()) {
    const double cosDec = std::max(std::cos(dec1 * sky::kDegToRad), 1e-9);
    Walk(ra.lowDeg, ra.highDeg, step / cosDec, [&](double r) { AddDetailed(r, dec1, points); });
  } else {
    Walk(decLow, decHigh, step, [&](double d) { AddDetailed(ra.lowDeg, d, points); });
  }
}

}  // namespace velarion::catalogues
