// Where a line with one end below the horizon leaves the visible sky: a bisection between
// the visible end and the hidden one in right ascension and declination, going the short
// way across 0h, until the screen point settles within a pixel.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_HORIZONSEARCH_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_HORIZONSEARCH_H

#include "Geometry.h"

#include <cstdint>

namespace velarion::catalogues {

// A sky point in whole arc-minutes (quick view) and in degrees (detailed view).
struct TArcminPoint {
  int32_t raArcmin = 0;
  int32_t decArcmin = 0;
};
struct TDegreePoint {
  double raDeg = 0.0;
  double decDeg = 0.0;
};

// The last visible screen point found between `visible` (projecting to `visiblePixel`) and
// `hidden`, with QuickRaDecToXY and RaDecToXY respectively.
velplatform::TPoint HorizonPointQuick(TArcminPoint visible, velplatform::TPoint visiblePixel,
                                      TArcminPoint hidden);
velplatform::TPoint HorizonPointDetailed(TDegreePoint visible, velplatform::TPoint visiblePixel,
                                         TDegreePoint hidden);

}  // namespace velarion::catalogues

#endif
