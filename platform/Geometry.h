// Screen points and rectangles in pixels, as the drawing device and the groups use them.
#ifndef VELARION_PLATFORM_GEOMETRY_H
#define VELARION_PLATFORM_GEOMETRY_H

#include <cstdint>

namespace velplatform {

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Bounds inclusive where a rectangle is used as a clip region.
struct TRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;

  bool Contains(TPoint p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
  bool Contains(const TRect& r) const {
    return r.left >= left && r.right <= right && r.top >= top && r.bottom <= bottom;
  }
  bool Intersects(const TRect& r) const {
    return r.left <= right && r.right >= left && r.top <= bottom && r.bottom >= top;
  }
};

}  // namespace velplatform

#endif
