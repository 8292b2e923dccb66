#include "BoundaryPoints.h"

#include <algorithm>

namespace velarion::catalogues {

namespace {

bool Midway(velplatform::TPoint before, velplatform::TPoint middle, velplatform::TPoint after) {
  return 2 * int64_t{middle.x} == int64_t{before.x} + after.x &&
         2 * int64_t{middle.y} == int64_t{before.y} + after.y;
}

}  // namespace

void TBoundaryPoints::Add(velplatform::TPoint p) {
  if (!pieceOpen_) {
    points_.push_back(p);
    counts_.push_back(1);
    pieceOpen_ = true;
    return;
  }
  if (points_.back() == p) return;
  if (counts_.back() >= 2 && Midway(points_[points_.size() - 2], points_.back(), p)) {
    points_.back() = p;
    return;
  }
  points_.push_back(p);
  ++counts_.back();
}

void TBoundaryPoints::Clear() {
  points_.clear();
  counts_.clear();
  pieceOpen_ = false;
}

kit::TObjectRect TBoundaryPoints::Bounds() const {
  if (points_.empty()) return {};
  kit::TObjectRect r{points_[0].x, points_[0].y, points_[0].x, points_[0].y};
  for (const velplatform::TPoint& p : points_) {
    r = {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x),
         std::max(r.bottom, p.y)};
  }
  return r;
}

}  // namespace velarion::catalogues
