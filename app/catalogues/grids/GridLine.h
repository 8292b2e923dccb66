// One line of a grid: its screen points in runs (a run ends where the line leaves the
// visible sky), its bounding rectangle, up to two label positions and the label text.
#ifndef VELARION_APP_CATALOGUES_GRIDS_GRIDLINE_H
#define VELARION_APP_CATALOGUES_GRIDS_GRIDLINE_H

#include "Geometry.h"
#include "ObjectGroup.h"

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace velarion::catalogues {

using velplatform::TPoint;
using velplatform::TRect;

inline constexpr TPoint kNoLabel{-1, -1};

// A rectangle grown point by point; empty until the first point.
class TBoundingBox {
 public:
  void Include(TPoint p);
  void Include(const TRect& r);
  bool Empty() const { return box_.left > box_.right; }
  const TRect& Rect() const { return box_; }
  void Inflate(int32_t d);

 private:
  TRect box_{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
};

// Points collected with the merge rule: a point equal to the last is skipped, and a last
// point exactly midway between its neighbours is replaced, so straight evenly spaced runs
// keep only their ends.
class TPointRuns {
 public:
  void Clear();
  void Add(TPoint p);
  // Ends the current run; the next point starts a new one.
  void Break();
  const std::vector<TPoint>& Points() const { return points_; }
  // The point count of every run of at least one point.
  std::vector<int32_t> Counts() const;
  bool Empty() const { return points_.empty(); }

 private:
  std::vector<TPoint> points_;
  std::vector<int32_t> ends_;  // end index of every finished run
  std::size_t runStart_ = 0;
};

struct TGridLine {
  bool visible = false;
  TBoundingBox rect;      // what GetObjectRect gives
  TBoundingBox pointBox;  // every point, for the clipping
  TPointRuns points;
  std::array<TPoint, 2> labels{kNoLabel, kNoLabel};
  std::string label;  // marked-up text

  void Reset();
  // Adds a point to the runs and to both boxes.
  void AddPoint(TPoint p);
};

kit::TObjectRect ToObjectRect(const TRect& r);

}  // namespace velarion::catalogues

#endif
