// The builders of the equatorial grid's lines: hour circles and declination circles, in
// the quick view (integer arc-minutes over the whole disc) and in the detailed view
// (degrees over the RA/Dec window). They project through the host, in the frame it has
// been given for the grid.
#ifndef VELARION_APP_CATALOGUES_GRIDS_EQUATORIALLINES_H
#define VELARION_APP_CATALOGUES_GRIDS_EQUATORIALLINES_H

#include "GridLine.h"
#include "ObjectGroup.h"

#include <cstdint>

namespace velarion::catalogues {

// What the builders need of the view.
struct TEquatorialView {
  int32_t radius = 0;
  double yScale = 1.0;
  double latitude = 0.0;
  double siderealHours = 0.0;
  int32_t fontHeight = 0;
  kit::TViewRect view;
  kit::TRaDecWindow window;
  int32_t decStep = 600;  // arc-minutes
};

// The Dec sampling step of the quick view's hour circles, arc-minutes: about 20000 / R
// (pixels), so that the samples lie a few pixels apart.
int32_t QuickSamplingStep(int32_t radius, double yScale);

// Quick view; `line` is reset first. The label text is the caller's.
void BuildQuickHourCircle(TGridLine& line, int32_t raArcmin, int32_t samplingStep,
                          const TEquatorialView& v);
void BuildQuickDeclinationCircle(TGridLine& line, int32_t decArcmin, const TEquatorialView& v);

// Detailed view. The label positions are kept inside the view, for a label `labelWidth`
// wide.
void BuildDetailedHourCircle(TGridLine& line, int32_t raArcmin, int32_t labelWidth,
                             const TEquatorialView& v);
void BuildDetailedDeclinationCircle(TGridLine& line, int32_t decArcmin, int32_t labelWidth,
                                    const TEquatorialView& v);

}  // namespace velarion::catalogues

#endif
