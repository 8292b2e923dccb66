// The pixels of one-pixel lines and of ellipses, lit as the classic raster devices light
// them, so that pictures, picking and XOR marks behave as they always did.
#ifndef VELARION_PLATFORM_RASTER_H
#define VELARION_PLATFORM_RASTER_H

#include "DrawDevice.h"
#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace velplatform {

// Dash patterns of styled pens: lengths of lit and unlit stretches, alternating, in pixels
// for a one-pixel pen (in pen widths for wider ones). Empty for solid and null pens.
// A dash is 4 lit, 4 unlit (the selection outline's 4-pixel dashes every 8 pixels); a dot
// 1 lit, 2 unlit; dash-dot 4, 2, 1, 2.
inline std::span<const int32_t> DashPattern(TPenStyle style) {
  static constexpr int32_t kDash[] = {4, 4};
  static constexpr int32_t kDot[] = {1, 2};
  static constexpr int32_t kDashDot[] = {4, 2, 1, 2};
  switch (style) {
    case TPenStyle::kDash:
      return kDash;
    case TPenStyle::kDot:
      return kDot;
    case TPenStyle::kDashDot:
      return kDashDot;
    case TPenStyle::kSolid:
    case TPenStyle::kNull:
      break;
  }
  return {};
}

// Where a styled line is in its pattern; carried from segment to segment so that a
// polyline's dashes run on across its corners.
class TDashPhase {
 public:
  explicit TDashPhase(std::span<const int32_t> pattern) : pattern_(pattern) {
    for (int32_t length : pattern) period_ += length;
  }
  // Whether the pixel `step` pixels on from the current position is lit.
  bool Lit(int64_t step) const {
    if (period_ <= 0) return true;
    int64_t at = (position_ + step) % period_;
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
      if (at < pattern_[i]) return i % 2 == 0;
      at -= pattern_[i];
    }
    return true;
  }
  void Advance(int64_t steps) { position_ = period_ > 0 ? (position_ + steps) % period_ : 0; }

 private:
  std::span<const int32_t> pattern_;
  int64_t period_ = 0;
  int64_t position_ = 0;
};

namespace detail {

// numerator / denominator (denominator > 0) to the nearest integer, halves going down.
// Wide arithmetic: a delta and a step of 32-bit coordinates overflow 64 bits when doubled.
inline int64_t RoundHalfDown(__int128 numerator, int64_t denominator) {
  const __int128 a = 2 * numerator + denominator - 1;
  const __int128 b = 2 * static_cast<__int128>(denominator);
  const __int128 q = a / b;
  return static_cast<int64_t>((a % b != 0 && a < 0) ? q - 1 : q);
}

// The steps 0 .. count-1 whose major coordinate start + sign * step lies in [low, high].
inline void VisibleSteps(int64_t start, int64_t sign, int64_t count, int64_t low, int64_t high,
                         int64_t& first, int64_t& last) {
  first = sign > 0 ? low - start : start - high;
  last = sign > 0 ? high - start : start - low;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, count - 1);
}

}  // namespace detail

// Calls visit(x, y) for each pixel a one-pixel pen lights from `from` towards `to`: the
// start pixel included and the end pixel left out (joined segments light their shared
// point once, so XOR polylines stay whole); one pixel per column for lines at most 45°
// steep, one per row for steeper ones, the pixel nearest the true line, a tie going to
// the upper pixel (the left one on steep lines) whichever way the line runs. Only pixels
// inside `bounds` (inclusive) are visited, so a line reaching far off the device costs no
// more than its visible part. The dash phase moves on by the line's length.
template <typename TVisit>
void RasterizeLine(TPoint from, TPoint to, const TRect& bounds, TDashPhase& dash, TVisit&& visit) {
  const int64_t dx = int64_t{to.x} - from.x;
  const int64_t dy = int64_t{to.y} - from.y;
  const bool flat = std::llabs(dx) >= std::llabs(dy);
  const int64_t count = flat ? std::llabs(dx) : std::llabs(dy);
  if (count == 0) return;
  const int64_t majorStart = flat ? from.x : from.y;
  const int64_t minorStart = flat ? from.y : from.x;
  const int64_t majorSign = (flat ? dx : dy) > 0 ? 1 : -1;
  const int64_t minorDelta = flat ? dy : dx;
  const int64_t minorLow = flat ? bounds.top : bounds.left;
  const int64_t minorHigh = flat ? bounds.bottom : bounds.right;
  int64_t first = 0;
  int64_t last = -1;
  detail::VisibleSteps(majorStart, majorSign, count, flat ? bounds.left : bounds.top,
                       flat ? bounds.right : bounds.bottom, first, last);
  for (int64_t step = first; step <= last; ++step) {
    const int64_t minor =
        minorStart + detail::RoundHalfDown(static_cast<__int128>(minorDelta) * step, count);
    if (minor < minorLow || minor > minorHigh || !dash.Lit(step)) continue;
    const auto major = static_cast<int32_t>(majorStart + majorSign * step);
    const auto other = static_cast<int32_t>(minor);
    flat ? visit(major, other) : visit(other, major);
  }
  dash.Advance(count);
}

// One row of an ellipse: its pixels left .. right, of which inner .. innerRight lie inside
// the outline (none when innerLeft > innerRight).
struct TEllipseRow {
  int64_t y;
  int64_t left;
  int64_t right;
  int64_t innerLeft;
  int64_t innerRight;
};

// Calls visit(row) for the rows of the ellipse in `box` (right and bottom exclusive) that
// lie in top .. bottom. The ellipse touches all four sides of the box: a pixel belongs to
// it when its centre lies inside the ellipse through the box's edges, an even size
// repeating the middle row or column, so the shape is symmetric and never empty. Its
// outline is the pixels with a side on the outside, an unbroken line one pixel thin.
template <typename TVisit>
void ForEachEllipseRow(const TRect& box, int64_t top, int64_t bottom, TVisit&& visit) {
  const int64_t width = int64_t{box.right} - box.left;
  const int64_t height = int64_t{box.bottom} - box.top;
  if (width <= 0 || height <= 0) return;
  // Half-sizes in whole pixels about the middle pixel (the left and upper of two).
  const int64_t halfWidth = (width - 1) / 2;
  const int64_t halfHeight = (height - 1) / 2;
  const int64_t middleLeft = box.left + halfWidth;
  const int64_t middleRight = middleLeft + (width - 1) % 2;
  const int64_t middleTop = box.top + halfHeight;
  const int64_t middleBottom = middleTop + (height - 1) % 2;
  const double radiusX = static_cast<double>(halfWidth) + 0.5;
  const double radiusY = static_cast<double>(halfHeight) + 0.5;
  // How far the row `rows` from the middle reaches either side of it.
  const auto reach = [&](int64_t rows) -> int64_t {
    if (rows > halfHeight) return -1;
    const double y = static_cast<double>(rows) / radiusY;
    return static_cast<int64_t>(std::floor(radiusX * std::sqrt(std::max(0.0, 1 - y * y))));
  };
  const int64_t first = std::max<int64_t>(top, box.top);
  const int64_t last = std::min<int64_t>(bottom, int64_t{box.bottom} - 1);
  for (int64_t y = first; y <= last; ++y) {
    const int64_t rows = y <= middleTop ? middleTop - y : y - middleBottom;
    const int64_t span = reach(rows);
    // Pixels this far out or further have no ellipse beyond them in the next row out.
    const int64_t outline = std::min(span, reach(rows + 1) + 1);
    visit(TEllipseRow{y, middleLeft - span, middleRight + span, middleLeft - outline + 1,
                      middleRight + outline - 1});
  }
}

}  // namespace velplatform

#endif
