// The builders of the horizontal grid's lines: azimuth lines running from the horizon to
// the highest altitude circle, and altitude circles about the zenith. They work in screen
// coordinates of the disc; no projection of sky directions is needed.
#ifndef VELARION_APP_CATALOGUES_GRIDS_HORIZONTALLINES_H
#define VELARION_APP_CATALOGUES_GRIDS_HORIZONTALLINES_H

#include "GridLine.h"
#include "ObjectGroup.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velarion::catalogues {

struct THorizontalView {
  int32_t cx = 0;
  int32_t cy = 0;
  int32_t radius = 0;
  double yScale = 1.0;
  bool stereographic = false;
  double rotationDeg = 0.0;
  bool mirror = false;
  bool azimuthFromSouth = false;
  int32_t fontHeight = 0;
  kit::TViewRect view;
};

// The disc radius fraction of a circle at zenith distance z: tan(z/2) in the stereographic
// projection, sin z otherwise.
double RadiusFactor(double zenithDistanceDeg, bool stereographic);

// Screen direction (degrees counter-clockwise from the right, 0 .. 360) of an azimuth.
double AzimuthDirection(int32_t azimuthArcmin, const THorizontalView& v);

// Pixel offsets i = 0 .. R from the disc centre: round(2 × yscale × sqrt(R² − i²)), the
// height of the disc's chord in that column.
std::vector<int32_t> ChordTable(int32_t radius, double yScale);

// Quick view; `line` is reset first, the label text is the caller's.
void BuildQuickAzimuthLine(TGridLine& line, double directionDeg, double innerFactor,
                           int32_t labelWidth, const THorizontalView& v);
void BuildQuickAltitudeCircle(TGridLine& line, int32_t r, int32_t labelWidth,
                              std::span<const int32_t> chord, const THorizontalView& v);

// Detailed view.
void BuildDetailedAzimuthLine(TGridLine& line, double directionDeg, double innerFactor,
                              int32_t labelWidth, const THorizontalView& v);
void BuildDetailedAltitudeCircle(TGridLine& line, int32_t r, int32_t labelWidth,
                                 const THorizontalView& v);

// The azimuth range (degrees) the view's edges cover seen from the disc centre, 360 when
// they wind around it; and the distance (pixels, vertical ones divided by yscale) from the
// centre to the nearest edge of the view.
double ViewAzimuthExtent(const kit::TViewRect& view, int32_t cx, int32_t cy, double yScale);
double DistanceToNearestEdge(const kit::TViewRect& view, int32_t cx, int32_t cy, double yScale);

}  // namespace velarion::catalogues

#endif
