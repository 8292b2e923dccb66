#include "PolyPolyline.h"

#include <algorithm>
#include <cstdlib>

namespace velarion::kit {

namespace {

using velplatform::TPoint;

bool Close(TPoint a, TPoint b, int32_t tolerance) {
  return std::llabs(int64_t{a.x} - b.x) < tolerance && std::llabs(int64_t{a.y} - b.y) < tolerance;
}

// 64-bit products: screen coordinates of far-off points overflow 32 bits.
bool OnLineThrough(TPoint prev, TPoint last, TPoint p) {
  return (int64_t{last.x} - prev.x) * (int64_t{p.y} - last.y) ==
         (int64_t{last.y} - prev.y) * (int64_t{p.x} - last.x);
}

}  // namespace

TPolyPolyline::TPolyPolyline(int32_t pointDelta, int32_t countDelta) {
  points_.SetDelta(pointDelta);
  counts_.SetDelta(countDelta);
}

void TPolyPolyline::AddPoint(int32_t x, int32_t y) {
  const TPoint p{x, y};
  const int32_t open = OpenCount();
  const int32_t last = points_.Count() - 1;
  if (open >= 1 && p == Point(last)) return;
  if (open >= 2 && OnLineThrough(Point(last - 1), Point(last), p)) {
    *points_.Item(last) = p;
    return;
  }
  points_.Add(p);
}

void TPolyPolyline::EndPolyline() {
  const int32_t open = OpenCount();
  if (open >= 2) {
    counts_.AddValue(open);
    openStart_ = points_.Count();
  } else if (open == 1) {
    points_.Delete(openStart_);
  }
}

void TPolyPolyline::Clear() {
  points_.Clear();
  counts_.Clear();
  openStart_ = 0;
}

void TPolyPolyline::DropSmallPolylines(int32_t tolerance) {
  // From the last polyline down, so that the starts of the earlier ones stay where they are.
  int32_t start = openStart_;
  for (int32_t k = PolylineCount() - 1; k >= 0; --k) {
    const int32_t length = PolylineLength(k);
    start -= length;
    if (length >= 3 || !Close(Point(start), Point(start + length - 1), tolerance)) continue;
    for (int32_t i = 0; i < length; ++i) points_.Delete(start);
    counts_.Delete(k);
    openStart_ -= length;
  }
  if (PolylineCount() >= 2 && Close(Point(0), Point(openStart_ - 1), tolerance)) {
    JoinLastInFrontOfFirst();
  }
}

void TPolyPolyline::JoinLastInFrontOfFirst() {
  const int32_t lastIndex = PolylineCount() - 1;
  const int32_t lastLength = PolylineLength(lastIndex);
  const auto points = points_.Items();
  std::rotate(points.begin(), points.begin() + (openStart_ - lastLength),
              points.begin() + openStart_);
  *counts_.Item(0) += lastLength;
  counts_.Delete(lastIndex);
}

bool TPolyPolyline::IsSmallClosedLoop(int32_t tolerance) const {
  if (PolylineCount() != 1) return false;
  const int32_t length = PolylineLength(0);
  return Close(Point(0), Point(length - 1), tolerance) && length > 3 * tolerance / 2;
}

}  // namespace velarion::kit
