#include "GridLine.h"

#include <algorithm>

namespace velarion::catalogues {

void TBoundingBox::Include(TPoint p) {
  box_.left = std::min(box_.left, p.x);
  box_.top = std::min(box_.top, p.y);
  box_.right = std::max(box_.right, p.x);
  box_.bottom = std::max(box_.bottom, p.y);
}

void TBoundingBox::Include(const TRect& r) {
  Include(TPoint{r.left, r.top});
  Include(TPoint{r.right, r.bottom});
}

void TBoundingBox::Inflate(int32_t d) {
  if (Empty()) return;
  box_ = {box_.left - d, box_.top - d, box_.right + d, box_.bottom + d};
}

void TPointRuns::Clear() {
  points_.clear();
  ends_.clear();
  runStart_ = 0;
}

void TPointRuns::Add(TPoint p) {
  const std::size_t inRun = points_.size() - runStart_;
  if (inRun >= 1 && points_.back() == p) return;
  if (inRun >= 2) {
    const TPoint before = points_[points_.size() - 2];
    const TPoint last = points_.back();
    if (2 * int64_t{last.x} == int64_t{before.x} + p.x &&
        2 * int64_t{last.y} == int64_t{before.y} + p.y) {
      points_.back() = p;
      return;
    }
  }
  points_.push_back(p);
}

void TPointRuns::Break() {
  if (points_.size() == runStart_) return;
  ends_.push_back(points_.size());
  runStart_ = points_.size();
}

std::vector<int32_t> TPointRuns::Counts() const {
  std::vector<int32_t> counts;
  std::size_t start = 0;
  for (std::size_t end : ends_) {
    counts.push_back(static_cast<int32_t>(end - start));
    start = end;
  }
  if (points_.size() > start) counts.push_back(static_cast<int32_t>(points_.size() - start));
  return counts;
}

// Keeps the point storage, so that the lines rebuilt at every redraw do not reallocate.
void TGridLine::Reset() {
  visible = false;
  rect = {};
  pointBox = {};
  points.Clear();
  labels = {kNoLabel, kNoLabel};
  label.clear();
}

void TGridLine::AddPoint(TPoint p) {
  points.Add(p);
  rect.Include(p);
  pointBox.Include(p);
}

kit::TObjectRect ToObjectRect(const TRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace velarion::catalogues
