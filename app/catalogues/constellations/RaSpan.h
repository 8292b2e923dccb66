// The right-ascension interval a line between two sky points covers, written so that it
// can be compared with the view's RA/Dec window: a line crossing 0h goes the short way,
// and a window that runs past 360 meets the line in its shifted form.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_RASPAN_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_RASPAN_H

#include "ObjectGroup.h"

namespace velarion::catalogues {

struct TRaSpan {
  double lowDeg = 0.0;
  double highDeg = 0.0;
};

// Degrees, 0 <= ra < 360 for both ends.
TRaSpan SegmentRaSpan(double ra1Deg, double ra2Deg, const kit::TRaDecWindow& window);

// The mean of two right ascensions (degrees, 0..360) along the shorter way between them.
double MeanRa(double ra1Deg, double ra2Deg);

}  // namespace velarion::catalogues

#endif
