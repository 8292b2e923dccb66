// Polylines cut to a clip rectangle, for the line-drawing groups (figures, boundaries,
// grids). The pieces inside the rectangle are collected in one point buffer shared by all
// drawing on the window thread and drawn with one multi-polyline call.
#ifndef VELARION_APP_SKY_CLIPPEDPOLYLINE_H
#define VELARION_APP_SKY_CLIPPEDPOLYLINE_H

#include "Geometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velarion::sky {

using velplatform::TPoint;
using velplatform::TRect;

// Points of several polylines one after another, with the count of each.
struct TPolyPolyline {
  std::vector<TPoint> points;
  std::vector<int32_t> counts;
  void Clear() {
    points.clear();
    counts.clear();
  }
};

class TPolylineClipper {
 public:
  static constexpr int kMaxPieces = 800;

  // Makes room for polylines of n points: capacity 6/5 n when below it; 0 frees it.
  void MakeReady(int32_t points);
  std::size_t Capacity() const { return buffer_.points.capacity(); }

  // The pieces of the polyline inside `clip` (bounds inclusive). `box` is the polyline's
  // bounding box: wholly inside, the polyline comes back as given (repeated points kept);
  // wholly outside, nothing. Otherwise each crossing with the border is inserted,
  // repeated points are dropped, one-point pieces discarded, at most 800 pieces made.
  // The result lives until the next call.
  const TPolyPolyline& Clip(std::span<const TPoint> points, const TRect& box, const TRect& clip);

 private:
  void AddPoint(TPoint p);
  void ClosePiece();
  void StartPiece();

  TPolyPolyline buffer_;
  std::size_t pieceStart_ = 0;
};

// The clipper every drawing group of the window thread shares (4000 points ready).
TPolylineClipper& SharedPolylineClipper();

}  // namespace velarion::sky

#endif
