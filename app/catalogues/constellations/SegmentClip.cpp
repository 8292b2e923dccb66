#include "SegmentClip.h"

#include <algorithm>
#include <cmath>

namespace velarion::catalogues {

namespace {

struct TEnd {
  double x;
  double y;
};

// Moves `end` along the line to `other` until its x is `x` (the line is not vertical
// there, for the two ends lie on both sides of x).
void CutAtX(TEnd& end, const TEnd& other, double x) {
  end.y += (x - end.x) * (other.y - end.y) / (other.x - end.x);
  end.x = x;
}

void CutAtY(TEnd& end, const TEnd& other, double y) {
  end.x += (y - end.y) * (other.x - end.x) / (other.y - end.y);
  end.y = y;
}

velplatform::TPoint Rounded(const TEnd& end) {
  return {static_cast<int32_t>(std::lround(end.x)), static_cast<int32_t>(std::lround(end.y))};
}

}  // namespace

std::optional<TScreenSegment> ClipSegment(velplatform::TPoint a, velplatform::TPoint b,
                                          const kit::TViewRect& rect) {
  TEnd p{static_cast<double>(a.x), static_cast<double>(a.y)};
  TEnd q{static_cast<double>(b.x), static_cast<double>(b.y)};
  const double left = rect.left, right = rect.right, top = rect.top, bottom = rect.bottom;
  if (std::max(p.x, q.x) < left || std::min(p.x, q.x) > right) return std::nullopt;
  if (p.x < left) CutAtX(p, q, left);
  if (q.x < left) CutAtX(q, p, left);
  if (p.x > right) CutAtX(p, q, right);
  if (q.x > right) CutAtX(q, p, right);
  if (std::max(p.y, q.y) < top || std::min(p.y, q.y) > bottom) return std::nullopt;
  if (p.y < top) CutAtY(p, q, top);
  if (q.y < top) CutAtY(q, p, top);
  if (p.y > bottom) CutAtY(p, q, bottom);
  if (q.y > bottom) CutAtY(q, p, bottom);
  return TScreenSegment{Rounded(p), Rounded(q)};
}

}  // namespace velarion::catalogues
