// The colour a star is drawn in, from its colour index.
#ifndef VELARION_APP_CATALOGUES_STARS_STARCOLOURS_H
#define VELARION_APP_CATALOGUES_STARS_STARCOLOURS_H

#include "DrawDevice.h"

#include <cstdint>

namespace velarion::catalogues {

// 0x00BBGGRR colour for B-V x 100: blue-white below 0, white, yellow, orange and red by
// bands of 0.50 up to 10.00; white for larger values and for the unknown index.
velplatform::TColor StarColourForIndex(int16_t colourIndexCenti);

}  // namespace velarion::catalogues

#endif
