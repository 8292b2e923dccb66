// The object table of a metafile as its player keeps it: a new pen, brush or font takes the
// lowest free slot, and a deleted one frees its slot. The writers mirror it so that their
// selections name the right slots; the header gives the largest table used.
#ifndef VELARION_APP_UI_PICTURES_METAFILEOBJECTS_H
#define VELARION_APP_UI_PICTURES_METAFILEOBJECTS_H

#include "DrawDevice.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velarion::ui {

class TMetafileObjects {
 public:
  // `first`: the first slot a player hands out (EMF keeps slot 0 for the file itself).
  explicit TMetafileObjects(uint32_t first) : first_(first) {}

  uint32_t Create() {
    const auto free = std::ranges::find(used_, false);
    const auto slot = static_cast<uint32_t>(free - used_.begin());
    if (free == used_.end()) {
      used_.push_back(true);
    } else {
      *free = true;
    }
    return slot + first_;
  }
  void Delete(uint32_t slot) {
    if (slot >= first_ && slot - first_ < used_.size()) used_[slot - first_] = false;
  }
  // The table's size, from slot 0.
  uint32_t TableSize() const { return first_ + static_cast<uint32_t>(used_.size()); }

 private:
  uint32_t first_;
  std::vector<bool> used_;
};

// The slots selected now, one per kind of object.
struct TSelectedObjects {
  static constexpr uint32_t kNone = UINT32_MAX;
  uint32_t pen = kNone;
  uint32_t brush = kNone;
  uint32_t font = kNone;
};

// The codes both formats share for pen and brush styles and raster operations.
constexpr uint16_t PenStyleCode(velplatform::TPenStyle style) {
  switch (style) {
    case velplatform::TPenStyle::kSolid:
      return 0;
    case velplatform::TPenStyle::kDash:
      return 1;
    case velplatform::TPenStyle::kDot:
      return 2;
    case velplatform::TPenStyle::kDashDot:
      return 3;
    case velplatform::TPenStyle::kNull:
      return 5;
  }
  return 0;
}
constexpr uint16_t BrushStyleCode(velplatform::TBrushStyle style) {
  return style == velplatform::TBrushStyle::kNull ? 1 : 0;
}
constexpr uint16_t RasterOpCode(velplatform::TRasterOp op) {
  switch (op) {
    case velplatform::TRasterOp::kXor:
      return 7;
    case velplatform::TRasterOp::kNotXor:
      return 10;
    case velplatform::TRasterOp::kCopy:
      return 13;
  }
  return 13;
}
inline constexpr uint16_t kBoldWeight = 700, kNormalWeight = 400;

}  // namespace velarion::ui

#endif
