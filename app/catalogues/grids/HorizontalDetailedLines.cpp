#include "HorizontalLines.h"

#include "AngleUtils.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velarion::catalogues {

namespace {

using sky::RoundToInt;

struct TSegment {
  double x0, y0, x1, y1;
};

// Cuts the segment to x in [low, high] along its slope; none when it misses the band.
std::optional<TSegment> ClipX(TSegment s, double low, double high) {
  if (std::max(s.x0, s.x1) < low || std::min(s.x0, s.x1) > high) return std::nullopt;
  const auto cut = [&s](double& x, double& y, double at) {
    y = s.y0 + (s.y1 - s.y0) * (at - s.x0) / (s.x1 - s.x0);
    x = at;
  };
  TSegment r = s;
  if (s.x0 != s.x1) {
    if (r.x0 < low) cut(r.x0, r.y0, low);
    if (r.x0 > high) cut(r.x0, r.y0, high);
    if (r.x1 < low) cut(r.x1, r.y1, low);
    if (r.x1 > high) cut(r.x1, r.y1, high);
  }
  return r;
}

std::optional<TSegment> ClipToView(const TSegment& s, const kit::TViewRect& v) {
  const auto inX = ClipX(s, v.left, v.right);
  if (!inX) return std::nullopt;
  // The same cut with the axes swapped does the top and bottom.
  const auto inY = ClipX({inX->y0, inX->x0, inX->y1, inX->x1}, v.top, v.bottom);
  if (!inY) return std::nullopt;
  return TSegment{inY->y0, inY->x0, inY->y1, inY->x1};
}

bool OnBorder(TPoint p, const kit::TViewRect& v) {
  return p.x == v.left || p.x == v.right || p.y == v.top || p.y == v.bottom;
}

bool InViewRows(int32_t y, const kit::TViewRect& v) { return y >= v.top && y <= v.bottom; }

// Labels moved inside the view and their boxes added to the rectangle.
void PlaceLabels(TGridLine& line, int32_t labelWidth, const THorizontalView& v) {
  for (TPoint& p : line.labels) {
    if (p == kNoLabel) continue;
    if (p.x + labelWidth / 2 > v.view.right) p.x -= labelWidth / 2;
    if (p.y + v.fontHeight > v.view.bottom) p.y -= v.fontHeight;
    line.rect.Include(TRect{p.x, p.y, p.x + labelWidth, p.y + v.fontHeight});
  }
}

// Does the arc y(x) over the columns meet the view's rows? It is continuous, so its rows
// run from the lower of its ends to its extreme, which lies at cx when cx is inside.
bool ArcMeetsRows(int32_t yFirst, int32_t yLast, int32_t yExtreme, bool extremeInside,
                  const kit::TViewRect& v) {
  int32_t low = std::min(yFirst, yLast);
  int32_t high = std::max(yFirst, yLast);
  if (extremeInside) {
    low = std::min(low, yExtreme);
    high = std::max(high, yExtreme);
  }
  return high >= v.top && low <= v.bottom;
}

// Index of the first point from `start` (going round) whose row is in the view.
std::optional<std::size_t> FirstInView(const std::vector<TPoint>& points, std::size_t start,
                                       const kit::TViewRect& v) {
  for (std::size_t k = 0; k < points.size(); ++k) {
    const std::size_t i = (start + k) % points.size();
    if (InViewRows(points[i].y, v)) return i;
  }
  return std::nullopt;
}

std::size_t EndOfRun(const std::vector<TPoint>& points, std::size_t from, const kit::TViewRect& v) {
  std::size_t i = from;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const std::size_t next = (from + k) % points.size();
    if (!InViewRows(points[next].y, v)) break;
    i = next;
  }
  return i;
}

}  // namespace

void BuildDetailedAzimuthLine(TGridLine& line, double directionDeg, double innerFactor,
                              int32_t labelWidth, const THorizontalView& v) {
  line.Reset();
  const sky::TSinCos sc = sky::SinCosDeg(directionDeg);
  const int32_t dx = RoundToInt(v.radius * sc.cos);
  const int32_t dy = RoundToInt(v.radius * sc.sin * v.yScale);
  const TSegment whole{double(v.cx + RoundToInt(innerFactor * dx)),
                       double(v.cy - RoundToInt(innerFactor * dy)), double(v.cx + dx),
                       double(v.cy - dy)};
  const auto clipped = ClipToView(whole, v.view);
  if (!clipped) return;
  const TPoint a{RoundToInt(clipped->x0), RoundToInt(clipped->y0)};
  const TPoint b{RoundToInt(clipped->x1), RoundToInt(clipped->y1)};
  line.AddPoint(a);
  line.AddPoint(b);
  line.labels = {OnBorder(a, v.view) ? a : kNoLabel, OnBorder(b, v.view) ? b : kNoLabel};
  PlaceLabels(line, labelWidth, v);
  line.visible = true;
}

void BuildDetailedAltitudeCircle(TGridLine& line, int32_t r, int32_t labelWidth,
                                 const THorizontalView& v) {
  line.Reset();
  if (r <= 0) return;
  const int32_t first = std::max(v.cx - r, v.view.left);
  const int32_t last = std::min(v.cx + r, v.view.right);
  if (first > last) return;
  const auto lower = [&](int32_t x) {
    const double dx = x - v.cx;
    return v.cy + RoundToInt(std::sqrt(std::max(double(r) * r - dx * dx, 0.0)) * v.yScale);
  };
  const int32_t ry = RoundToInt(r * v.yScale);
  const bool centreInside = first < v.cx && v.cx < last;
  const int32_t h = lower(first);
  const int32_t l = lower(last);
  const bool visible = ArcMeetsRows(h, l, v.cy + ry, centreInside, v.view) ||
                       ArcMeetsRows(2 * v.cy - h, 2 * v.cy - l, v.cy - ry, centreInside, v.view);
  if (!visible) return;

  std::vector<TPoint> points;
  const bool upperFirst = v.view.bottom < v.cy;
  for (int32_t x = first; x <= last; ++x) {
    const int32_t y = lower(x);
    points.push_back({x, upperFirst ? 2 * v.cy - y : y});
  }
  const std::size_t firstHalf = points.size();
  const bool bothHalves = InViewRows(v.cy, v.view);
  if (bothHalves) {
    for (std::size_t i = firstHalf; i-- > 0;) {
      points.push_back({points[i].x, 2 * v.cy - points[i].y});
    }
  }
  for (TPoint p : points) line.AddPoint(p);
  line.rect = {};
  for (TPoint p : points) {
    if (InViewRows(p.y, v.view)) line.rect.Include(p);
  }
  if (line.rect.Empty()) return;

  const std::size_t start = bothHalves && v.view.left < v.cx ? firstHalf : 0;
  const auto labelAt = FirstInView(points, start, v.view);
  if (labelAt) {
    const std::size_t runFrom = bothHalves && v.view.right < v.cx
                                    ? FirstInView(points, 0, v.view).value_or(*labelAt)
                                    : *labelAt;
    const TPoint second = points[EndOfRun(points, runFrom, v.view)];
    line.labels = {points[*labelAt], second == points[*labelAt] ? kNoLabel : second};
  }
  PlaceLabels(line, labelWidth, v);
  line.visible = true;
}

}  // namespace velarion::catalogues
