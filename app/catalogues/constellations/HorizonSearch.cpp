#include "HorizonSearch.h"

#include "ProjectionExports.h"

#include <cmath>
#include <cstdlib>

namespace velarion::catalogues {

namespace {

using velplatform::TPoint;

// Halving a 360-degree interval 64 times leaves far less than a pixel at any zoom; the
// bound only guards against a projection that never settles.
constexpr int kMaxHalvings = 64;

constexpr int32_t kHalfTurnArcmin = 10800;
constexpr int32_t kFullTurnArcmin = 21600;
constexpr int32_t kCloseArcmin = 3;
constexpr double kCloseDeg = 0.001;

bool WithinPixel(TPoint a, TPoint b) {
  return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

int32_t RaGapArcmin(int32_t a, int32_t b) {
  const int32_t gap = std::abs(a - b) % kFullTurnArcmin;
  return std::min(gap, kFullTurnArcmin - gap);
}

double RaGapDeg(double a, double b) {
  const double gap = std::fmod(std::fabs(a - b), 360.0);
  return std::min(gap, 360.0 - gap);
}

TArcminPoint Middle(TArcminPoint a, TArcminPoint b) {
  TArcminPoint m{(a.raArcmin + b.raArcmin) / 2, (a.decArcmin + b.decArcmin) / 2};
  if (std::abs(a.raArcmin - b.raArcmin) > kHalfTurnArcmin) {
    m.raArcmin += m.raArcmin - kHalfTurnArcmin >= 0 ? -kHalfTurnArcmin : kHalfTurnArcmin;
  }
  return m;
}

TDegreePoint Middle(TDegreePoint a, TDegreePoint b) {
  TDegreePoint m{(a.raDeg + b.raDeg) / 2.0, (a.decDeg + b.decDeg) / 2.0};
  if (std::fabs(a.raDeg - b.raDeg) > 180.0) {
    m.raDeg -= 180.0;
    if (m.raDeg < 0.0) m.raDeg += 360.0;
  }
  return m;
}

bool Close(TArcminPoint a, TArcminPoint b) {
  return RaGapArcmin(a.raArcmin, b.raArcmin) < kCloseArcmin &&
         std::abs(a.decArcmin - b.decArcmin) < kCloseArcmin;
}

bool Close(TDegreePoint a, TDegreePoint b) {
  return RaGapDeg(a.raDeg, b.raDeg) < kCloseDeg && std::fabs(a.decDeg - b.decDeg) < kCloseDeg;
}

bool Project(TArcminPoint p, TPoint& pixel) {
  return QuickRaDecToXY(p.raArcmin, p.decArcmin, &pixel.x, &pixel.y);
}

bool Project(TDegreePoint p, TPoint& pixel) {
  return RaDecToXY(p.raDeg, p.decDeg, &pixel.x, &pixel.y);
}

// The same bisection for both views; only the units and the projection differ.
template <typename TSkyPoint>
TPoint HorizonPoint(TSkyPoint visible, TPoint visiblePixel, TSkyPoint hidden) {
  for (int step = 0; step < kMaxHalvings && !Close(visible, hidden); ++step) {
    const TSkyPoint middle = Middle(visible, hidden);
    TPoint p;
    if (!Project(middle, p)) {
      hidden = middle;
      continue;
    }
    const bool settled = WithinPixel(p, visiblePixel);
    visible = middle;
    visiblePixel = p;
    if (settled) break;
  }
  return visiblePixel;
}

}  // namespace

TPoint HorizonPointQuick(TArcminPoint visible, TPoint visiblePixel, TArcminPoint hidden) {
  return HorizonPoint(visible, visiblePixel, hidden);
}

TPoint HorizonPointDetailed(TDegreePoint visible, TPoint visiblePixel, TDegreePoint hidden) {
  return HorizonPoint(visible, visiblePixel, hidden);
}

}  // namespace velarion::catalogues
