#include "HorizontalLines.h"

#include "AngleUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velarion::catalogues {

namespace {

using sky::RoundToInt;

// The label box widened into the line's rectangle as the quick view places labels.
void IncludeQuickLabel(TGridLine& line, TPoint p, int32_t labelWidth, int32_t fontHeight) {
  line.rect.Include(p);
  line.rect.Include(TPoint{p.x + labelWidth / 2, p.y + fontHeight});
}

}  // namespace

double RadiusFactor(double zenithDistanceDeg, bool stereographic) {
  if (stereographic) return std::tan(sky::DegToRad(zenithDistanceDeg) / 2.0);
  return sky::SinCosDeg(zenithDistanceDeg).sin;
}

double AzimuthDirection(int32_t azimuthArcmin, const THorizontalView& v) {
  const double azimuth = azimuthArcmin / 60.0;
  double theta = v.rotationDeg + (v.mirror ? -azimuth : azimuth) - 90.0;
  if (!v.azimuthFromSouth) theta -= 180.0;
  return sky::Reduce360(theta);
}

std::vector<int32_t> ChordTable(int32_t radius, double yScale) {
  std::vector<int32_t> chord(static_cast<std::size_t>(std::max(radius, 0)) + 1);
  const double r2 = double(radius) * radius;
  for (std::size_t i = 0; i < chord.size(); ++i) {
    const double di = double(i);
    chord[i] = RoundToInt(2.0 * yScale * std::sqrt(std::max(r2 - di * di, 0.0)));
  }
  return chord;
}

void BuildQuickAzimuthLine(TGridLine& line, double directionDeg, double innerFactor,
                           int32_t labelWidth, const THorizontalView& v) {
  line.Reset();
  const sky::TSinCos sc = sky::SinCosDeg(directionDeg);
  const int32_t dx = RoundToInt(v.radius * sc.cos);
  const int32_t dy = RoundToInt(v.radius * sc.sin * v.yScale);
  const TPoint outer{v.cx + dx, v.cy - dy};
  const TPoint inner{v.cx + RoundToInt(innerFactor * dx), v.cy - RoundToInt(innerFactor * dy)};
  line.AddPoint(inner);
  line.AddPoint(outer);
  // The label leans into the disc: towards the centre by the direction's distance from
  // the left and from the top.
  const TPoint label{
      outer.x - RoundToInt(std::fabs(directionDeg - 180.0) * (labelWidth / 2) / 180.0),
      outer.y - RoundToInt(std::fabs(directionDeg - 90.0) * v.fontHeight / 180.0)};
  line.labels[0] = label;
  IncludeQuickLabel(line, label, labelWidth, v.fontHeight);
  line.visible = true;
}

void BuildQuickAltitudeCircle(TGridLine& line, int32_t r, int32_t labelWidth,
                              std::span<const int32_t> chord, const THorizontalView& v) {
  line.Reset();
  if (r <= 0 || v.radius <= 0 || chord.size() != static_cast<std::size_t>(v.radius) + 1) return;
  const int32_t ry = RoundToInt(r * v.yScale);
  line.rect.Include(TRect{v.cx - r, v.cy - ry, v.cx + r, v.cy + ry});
  const sky::TSinCos rho = sky::SinCosDeg(v.rotationDeg);
  const int32_t lx = RoundToInt(r * rho.cos);
  const int32_t ly = RoundToInt(r * rho.sin * v.yScale);
  line.labels = {TPoint{v.cx + lx, v.cy - ly}, TPoint{v.cx - lx, v.cy + ly}};
  for (TPoint p : line.labels) IncludeQuickLabel(line, p, labelWidth, v.fontHeight);
  line.visible = true;

  const int32_t first = std::max(v.cx - r, v.view.left - 1);
  const int32_t last = std::min(v.cx + r, v.view.right + 1);
  std::vector<TPoint> upper;
  for (int32_t x = first; x <= last; ++x) {
    const int64_t column = int64_t{std::abs(x - v.cx)} * v.radius / r;
    const int64_t halfChord = int64_t{r} * chord[static_cast<std::size_t>(column)] / v.radius / 2;
    upper.push_back({x, v.cy - static_cast<int32_t>(halfChord)});
  }
  const auto mirrored = [&](TPoint p) { return TPoint{p.x, 2 * v.cy - p.y}; };
  if (v.cy < v.view.top) {
    for (TPoint p : upper) line.points.Add(mirrored(p));
  } else {
    for (TPoint p : upper) line.points.Add(p);
    if (v.cy <= v.view.bottom) {
      line.points.Add({v.cx + r, v.cy});
      for (auto it = upper.rbegin(); it != upper.rend(); ++it) line.points.Add(mirrored(*it));
    }
  }
  for (TPoint p : line.points.Points()) line.pointBox.Include(p);
}

}  // namespace velarion::catalogues
