#include "MetafileClipping.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace velarion::ui {

namespace {

struct TRealPoint {
  double x;
  double y;
};

TPoint Rounded(TRealPoint p) {
  return {static_cast<int32_t>(std::lround(p.x)), static_cast<int32_t>(std::lround(p.y))};
}

// The part of the segment inside the rectangle, as fractions of its length.
std::optional<std::pair<double, double>> ClipSegment(TPoint a, TPoint b, const TRect& clip) {
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  double t0 = 0.0;
  double t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {static_cast<double>(a.x) - clip.left, static_cast<double>(clip.right) - a.x,
                       static_cast<double>(a.y) - clip.top, static_cast<double>(clip.bottom) - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
  }
  return std::pair{t0, t1};
}

TPoint At(TPoint a, TPoint b, double t) {
  return Rounded(
      {a.x + t * (static_cast<double>(b.x) - a.x), a.y + t * (static_cast<double>(b.y) - a.y)});
}

// One side of the rectangle as Sutherland and Hodgman cut along it.
struct TEdge {
  int axis;  // 0: x, 1: y
  double limit;
  bool keepAbove;
  bool Inside(TRealPoint p) const {
    const double v = axis == 0 ? p.x : p.y;
    return keepAbove ? v >= limit : v <= limit;
  }
  TRealPoint Crossing(TRealPoint a, TRealPoint b) const {
    const double va = axis == 0 ? a.x : a.y;
    const double vb = axis == 0 ? b.x : b.y;
    const double t = (limit - va) / (vb - va);
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
  }
};

std::vector<TRealPoint> CutAlong(const std::vector<TRealPoint>& polygon, const TEdge& edge) {
  std::vector<TRealPoint> kept;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const TRealPoint current = polygon[i];
    const TRealPoint previous = polygon[(i + polygon.size() - 1) % polygon.size()];
    if (edge.Inside(current)) {
      if (!edge.Inside(previous)) kept.push_back(edge.Crossing(previous, current));
      kept.push_back(current);
    } else if (edge.Inside(previous)) {
      kept.push_back(edge.Crossing(previous, current));
    }
  }
  return kept;
}

}  // namespace

std::vector<std::vector<TPoint>> ClipPolyline(std::span<const TPoint> points, const TRect& clip,
                                              bool closed) {
  std::vector<std::vector<TPoint>> pieces;
  const std::size_t segments = points.size() < 2 ? 0 : points.size() - (closed ? 0 : 1);
  std::vector<TPoint> piece;
  for (std::size_t i = 0; i < segments; ++i) {
    const TPoint a = points[i];
    const TPoint b = points[(i + 1) % points.size()];
    const auto inside = ClipSegment(a, b, clip);
    if (!inside) continue;
    const TPoint from = At(a, b, inside->first);
    const TPoint to = At(a, b, inside->second);
    if (piece.empty() || piece.back() != from || inside->first > 0.0) {
      if (piece.size() >= 2) pieces.push_back(std::move(piece));
      piece = {from};
    }
    piece.push_back(to);
    if (inside->second < 1.0) {
      pieces.push_back(std::move(piece));
      piece.clear();
    }
  }
  if (piece.size() >= 2) pieces.push_back(std::move(piece));
  return pieces;
}

std::vector<TPoint> ClipPolygonArea(std::span<const TPoint> points, const TRect& clip) {
  std::vector<TRealPoint> polygon;
  for (const TPoint p : points) polygon.push_back({double(p.x), double(p.y)});
  for (const TEdge& edge :
       {TEdge{0, double(clip.left), true}, TEdge{0, double(clip.right), false},
        TEdge{1, double(clip.top), true}, TEdge{1, double(clip.bottom), false}}) {
    if (polygon.empty()) break;
    polygon = CutAlong(polygon, edge);
  }
  std::vector<TPoint> clipped;
  for (const TRealPoint p : polygon) {
    const TPoint q = Rounded(p);
    if (clipped.empty() || clipped.back() != q) clipped.push_back(q);
  }
  if (clipped.size() < 3) clipped.clear();
  return clipped;
}

std::vector<TPoint> EllipsePolygon(const TRect& box) {
  const double rx = (static_cast<double>(box.right) - box.left) / 2.0;
  const double ry = (static_cast<double>(box.bottom) - box.top) / 2.0;
  const double cx = box.left + rx;
  const double cy = box.top + ry;
  // A chord of n points strays r (1 - cos(pi / n)) ~ r pi^2 / (2 n^2) from the curve.
  constexpr int kMinPoints = 16;
  constexpr int kMaxPoints = 16384;
  const double radius = std::max(std::abs(rx), std::abs(ry));
  const int count = std::clamp(static_cast<int>(std::ceil(std::numbers::pi * std::sqrt(radius))),
                               kMinPoints, kMaxPoints);
  std::vector<TPoint> points;
  points.reserve(count);
  for (int i = 0; i < count; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / count;
    points.push_back(Rounded({cx + rx * std::cos(angle), cy + ry * std::sin(angle)}));
  }
  return points;
}

}  // namespace velarion::ui
