// The screen points of a boundary segment: samples along its parallel or meridian at steps
// that keep the drawn line smooth at the current scale, projected for the quick view
// (arc-minutes) or the detailed view (degrees, within the view's RA/Dec window).
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_BOUNDARYSAMPLING_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_BOUNDARYSAMPLING_H

#include "BoundaryFile.h"
#include "BoundaryPoints.h"
#include "ObjectGroup.h"

#include <cstdint>

namespace velarion::catalogues {

// The sampling scale of a view: the disc radius in pixels and the vertical pixel scale.
struct TSamplingScale {
  int32_t radius = 0;
  double yScale = 1.0;
};

// The points a view's samples can need at most at once.
int32_t QuickPointsReady(const TSamplingScale& scale);
int32_t DetailedPointsReady(const kit::TViewRect& viewRect);

// Adds the projecting samples of `segment` to `points`; nothing when neither end projects.
void SampleQuick(const TBoundarySegment& segment, const TSamplingScale& scale,
                 TBoundaryPoints& points);
void SampleDetailed(const TBoundarySegment& segment, const TSamplingScale& scale,
                    const kit::TRaDecWindow& window, TBoundaryPoints& points);

}  // namespace velarion::catalogues

#endif
