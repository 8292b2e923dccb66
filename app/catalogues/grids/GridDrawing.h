// Drawing of grid lines on the device: the runs of points clipped to the view enlarged by
// one pixel, then the labels whose box meets that rectangle.
#ifndef VELARION_APP_CATALOGUES_GRIDS_GRIDDRAWING_H
#define VELARION_APP_CATALOGUES_GRIDS_GRIDDRAWING_H

#include "DrawDevice.h"
#include "GridLine.h"
#include "ObjectGroup.h"

#include <functional>
#include <span>

namespace velarion::catalogues {

// The view rectangle with one pixel more on every side.
TRect EnlargedView(const kit::TViewRect& view);

// Draws a polyline clipped to `clip`; `box` must hold every point.
void DrawClippedPolyline(velplatform::TDrawDevice& device, std::span<const TPoint> points,
                         const TRect& box, const TRect& clip);

void DrawGridLine(velplatform::TDrawDevice& device, const TGridLine& line,
                  const kit::TViewRect& view, int32_t fontHeight);

// Both grids' drawing pass: lines in colour 9 and labels in colour 5 of the view's table,
// each line the host asks for drawn when it is visible and meets the view.
using TGridLineLookup = std::function<const TGridLine*(int32_t number)>;
void DrawRequestedGridLines(const kit::TObjectGroup& group, const kit::TNextObject& next,
                            const TGridLineLookup& line);

}  // namespace velarion::catalogues

#endif
