// A set of screen pixels kept as horizontal spans per row: polygons filled even-odd, the
// difference of two sets, and the pixels of its border, for shapes with holes that the
// drawing device cannot fill in one polygon.
#ifndef VELARION_APP_SOLAR_PIXELREGION_H
#define VELARION_APP_SOLAR_PIXELREGION_H

#include "Geometry.h"

#include <cstdint>
#include <map>
#include <span>
#include <utility>
#include <vector>

namespace velarion::solar {

class TPixelRegion {
 public:
  // Spans [x0, x1) of one row, sorted and apart.
  using TSpans = std::vector<std::pair<int32_t, int32_t>>;

  // The pixels whose centres lie inside the polygon (even-odd), only those within `clip`
  // (bounds inclusive). Fewer than 3 points give none.
  static TPixelRegion FromPolygon(std::span<const velplatform::TPoint> polygon,
                                  const velplatform::TRect& clip);

  void Subtract(const TPixelRegion& other);
  bool Contains(velplatform::TPoint p) const;
  bool Empty() const { return rows_.empty(); }
  // Bounds inclusive; (0, 0, -1, -1) when empty.
  velplatform::TRect Bounds() const;
  // The pixels of the region with a neighbour (left, right, above, below) outside it.
  TPixelRegion Border() const;
  const std::map<int32_t, TSpans>& Rows() const { return rows_; }

 private:
  std::map<int32_t, TSpans> rows_;  // only rows with spans
};

}  // namespace velarion::solar

#endif
