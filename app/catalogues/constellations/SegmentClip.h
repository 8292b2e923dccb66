// A straight screen segment cut to a rectangle: first at the left and right edges along
// the line, then at the top and bottom edges, the cut ends rounded to the nearest pixel.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_SEGMENTCLIP_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_SEGMENTCLIP_H

#include "Geometry.h"
#include "ObjectGroup.h"

#include <optional>
#include <utility>

namespace velarion::catalogues {

using TScreenSegment = std::pair<velplatform::TPoint, velplatform::TPoint>;

// None when no part of a-b lies inside `rect` (bounds inclusive).
std::optional<TScreenSegment> ClipSegment(velplatform::TPoint a, velplatform::TPoint b,
                                          const kit::TViewRect& rect);

}  // namespace velarion::catalogues

#endif
