// Shapes cut to a rectangle (bounds inclusive), so that a metafile holds only what can show
// and its coordinates stay small: lines by Liang and Barsky, filled polygons by Sutherland
// and Hodgman, and ellipses turned into polygons where they cross the rectangle.
#ifndef VELARION_APP_UI_PICTURES_METAFILECLIPPING_H
#define VELARION_APP_UI_PICTURES_METAFILECLIPPING_H

#include "Geometry.h"

#include <span>
#include <vector>

namespace velarion::ui {

using velplatform::TPoint;
using velplatform::TRect;

// The visible pieces of a polyline (closed: back to its first point), each of 2 points or more.
std::vector<std::vector<TPoint>> ClipPolyline(std::span<const TPoint> points, const TRect& clip,
                                              bool closed);
// The part of a polygon's area inside the rectangle; empty when none is.
std::vector<TPoint> ClipPolygonArea(std::span<const TPoint> points, const TRect& clip);
// The outline of the ellipse inscribed in the box (right and bottom exclusive), with points
// close enough that no chord strays half a pixel from the curve.
std::vector<TPoint> EllipsePolygon(const TRect& box);

}  // namespace velarion::ui

#endif
