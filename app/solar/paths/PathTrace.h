// Turns a fitted path into polylines on the map: points close enough together that the
// lines look smooth (5 pixels), broken where the path leaves the visible sky, the break
// found to 4e-4 degree or to the rim of the sky disc.
#ifndef VELARION_APP_SOLAR_PATHS_PATHTRACE_H
#define VELARION_APP_SOLAR_PATHS_PATHTRACE_H

#include "Geometry.h"
#include "PathSegment.h"
#include "SkyPlace.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace velarion::paths {

struct TPathPolylines {
  std::vector<velplatform::TPoint> points;
  std::vector<int32_t> counts;  // points of each polyline, in order
  velplatform::TRect bounds;    // of every point
  bool Empty() const { return points.empty(); }
};

// Where a place (J2000.0) lands on the map; none outside the visible sky.
using TPlaceOnMap = std::function<std::optional<velplatform::TPoint>(const TSkyPlace&)>;

struct TSkyDisc {
  velplatform::TPoint centre;
  int32_t radius = 0;
};

TPathPolylines TracePath(std::span<const TPathSegment> segments, const TPlaceOnMap& onMap,
                         const TSkyDisc& disc);

}  // namespace velarion::paths

#endif
