// The sixteen compass marks round the horizon (every 22.5°, the first at the bottom of an
// unrotated view) and the names the odd ones carry.
#ifndef VELARION_APP_CATALOGUES_GRIDS_COMPASSMARKS_H
#define VELARION_APP_CATALOGUES_GRIDS_COMPASSMARKS_H

#include "Geometry.h"

#include <array>
#include <cstdint>
#include <string>

namespace velarion::catalogues {

inline constexpr int kCompassMarkCount = 16;

struct TCompassMark {
  velplatform::TPoint onCircle;
  velplatform::TPoint tickEnd;
  velplatform::TPoint labelCorner;  // top-left
};

struct TDisc {
  int32_t cx = 0;
  int32_t cy = 0;
  int32_t radius = 0;
  double yScale = 1.0;
};

// Marks 1 .. 16 as entries 0 .. 15; all at the centre for a disc without radius.
std::array<TCompassMark, kCompassMarkCount> CompassMarks(const TDisc& disc, double rotationDeg,
                                                         int32_t fontHeight, int32_t letterWidth);

// The name of odd mark `mark` (1, 3, .. 15) with code 1 before it: "Ю", "45°", "З", ...
// read from the south and mirrored with the view; from the north the degree names turn
// round while the letters stay.
std::string CompassLabel(int mark, bool mirror, bool azimuthFromSouth);

}  // namespace velarion::catalogues

#endif
