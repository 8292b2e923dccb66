// The screen points of one boundary segment, collected while it is sampled. A point equal
// to the last one is skipped; when the last point lies exactly midway between the one
// before it and the new point, the new point takes its place, which thins evenly spaced
// samples along a straight run without changing the line. Samples that do not project
// split the points into pieces, so that no line is drawn across the hidden part.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_BOUNDARYPOINTS_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_BOUNDARYPOINTS_H

#include "Geometry.h"
#include "ObjectGroup.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velarion::catalogues {

class TBoundaryPoints {
 public:
  void Add(velplatform::TPoint p);
  // The next point begins a new piece.
  void Break() { pieceOpen_ = false; }
  // Empties the points; the storage stays for the next segment.
  void Clear();
  void Reserve(std::size_t points) { points_.reserve(points); }

  bool Empty() const { return points_.empty(); }
  std::span<const velplatform::TPoint> Points() const { return points_; }
  // The number of points of each piece, in order.
  std::span<const int32_t> Counts() const { return counts_; }
  kit::TObjectRect Bounds() const;

 private:
  std::vector<velplatform::TPoint> points_;
  std::vector<int32_t> counts_;
  bool pieceOpen_ = false;
};

}  // namespace velarion::catalogues

#endif
