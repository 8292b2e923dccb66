#include "HorizontalLines.h"

#include "AngleUtils.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velarion::catalogues {

namespace {

double SafeYScale(double yScale) { return yScale > 0.0 ? yScale : 1.0; }

bool Contains(const kit::TViewRect& v, int32_t x, int32_t y) {
  return x >= v.left && x <= v.right && y >= v.top && y <= v.bottom;
}

}  // namespace

double ViewAzimuthExtent(const kit::TViewRect& view, int32_t cx, int32_t cy, double yScale) {
  if (Contains(view, cx, cy)) return 360.0;
  const double ys = SafeYScale(yScale);
  const std::array<std::array<int32_t, 2>, 4> corners = {{{view.left, view.top},
                                                          {view.right, view.top},
                                                          {view.right, view.bottom},
                                                          {view.left, view.bottom}}};
  std::array<double, 4> angles{};
  for (std::size_t i = 0; i < 4; ++i) {
    angles[i] = sky::RadToDeg(std::atan2(-(corners[i][1] - cy) / ys, corners[i][0] - cx));
  }
  // Along each edge the direction turns by less than a half turn, so the wrapped
  // difference of its end directions is the edge's own turn.
  double turned = 0.0;
  double low = 0.0;
  double high = 0.0;
  for (std::size_t i = 1; i <= 4; ++i) {
    double step = angles[i % 4] - angles[i - 1];
    step -= 360.0 * std::round(step / 360.0);
    turned += step;
    low = std::min(low, turned);
    high = std::max(high, turned);
  }
  if (std::fabs(turned) > 180.0) return 360.0;
  return std::min(high - low, 360.0);
}

double DistanceToNearestEdge(const kit::TViewRect& view, int32_t cx, int32_t cy, double yScale) {
  const double ys = SafeYScale(yScale);
  if (Contains(view, cx, cy)) {
    return std::min({double(cx - view.left), double(view.right - cx), (cy - view.top) / ys,
                     (view.bottom - cy) / ys});
  }
  const double dx = std::max({view.left - cx, 0, cx - view.right});
  const double dy = std::max({view.top - cy, 0, cy - view.bottom}) / ys;
  return std::hypot(dx, dy);
}

}  // namespace velarion::catalogues
