// TPolyPolyline: polylines built point by point for one poly-polyline call of the output
// device. Repeated points are dropped and a point on the line through the last two replaces
// the last one, so dense samples of a curve cost only the points where it bends.
//
// The points of the finished polylines lie one after another, then the points of the one
// being built (from OpenStart to the end).
#ifndef VELARION_KIT_SUPPORT_POLYPOLYLINE_H
#define VELARION_KIT_SUPPORT_POLYPOLYLINE_H

#include "DynamicArray.h"
#include "Geometry.h"

#include <cstdint>
#include <span>

namespace velarion::kit {

class TPolyPolyline {
 public:
  using TPoint = velplatform::TPoint;

  // The growth steps of the point and count storage, each at least 1.
  TPolyPolyline(int32_t pointDelta, int32_t countDelta);

  void AddPoint(int32_t x, int32_t y);
  // Finishes the open polyline when it has two points or more; a single point is dropped.
  void EndPolyline();
  void Clear();

  int32_t PointCount() const { return points_.Count(); }
  int32_t PolylineCount() const { return counts_.Count(); }
  // Unchecked, for the drawing loops: 0 <= index < PointCount, PolylineCount.
  TPoint Point(int32_t index) const { return *points_.Item(index); }
  int32_t PolylineLength(int32_t index) const { return *counts_.Item(index); }
  std::span<const TPoint> Points() const { return points_.Items(); }
  std::span<const int32_t> Counts() const { return counts_.Items(); }

  // Deletes the finished two-point polylines whose ends are less than `tolerance` pixels
  // apart in x and in y; then, of two or more polylines, joins the last in front of the
  // first when the very last point lies that close to the very first one.
  void DropSmallPolylines(int32_t tolerance);
  // One polyline, its ends less than `tolerance` apart in x and in y, and more than
  // 3 * tolerance / 2 points.
  bool IsSmallClosedLoop(int32_t tolerance) const;

 private:
  int32_t OpenCount() const { return points_.Count() - openStart_; }
  void JoinLastInFrontOfFirst();

  TDynamicPointArray points_;
  TDynamicIntegerArray counts_;
  int32_t openStart_ = 0;
};

}  // namespace velarion::kit

#endif
