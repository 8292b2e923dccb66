// The program's one projection state and the functions through which every group, built-in
// or plug-in, reaches it. The four conversions are host exports with C linkage; the rest is
// for the sky image.
#ifndef VELARION_APP_SKY_PROJECTIONEXPORTS_H
#define VELARION_APP_SKY_PROJECTIONEXPORTS_H

#include <cstdint>

#include "HostExport.h"
#include "Projection.h"

// SetEpoch, RaDecToXY, QuickRaDecToXY and XYToRaDec (HostInterface.h) answer with their
// neutral values (nothing done, false) before InitProjectionTables, after
// FreeProjectionTables and for null out pointers.

namespace velarion::sky {

// Creates the projection state with its constant tables (program start) and destroys it
// with its caches (shutdown).
void InitProjectionTables();
void FreeProjectionTables();

void SetProjection(const TProjectionSetup& setup);

// An all-unset box (minima 1e9, maxima -1e9) while there is no projection state.
TRaDecRange GetVisibleRaDecRange(const TPixelRect& rect, int32_t centreX, int32_t centreY,
                                 int32_t radius, double yScale);

}  // namespace velarion::sky

#endif
