// The state of the sky by the Sun's altitude, and the colour the sky is painted with.
#ifndef VELARION_APP_SOLAR_TWILIGHT_H
#define VELARION_APP_SOLAR_TWILIGHT_H

#include "BoundaryRecords.h"

#include <cstdint>

namespace velarion::solar {

// The twilight classes are the sky states of SunDataRecord (kit::TTwilightClass).
using kit::TTwilightClass;
using enum kit::TTwilightClass;

// The class for the topocentric altitude of the Sun's centre (degrees, no refraction):
// day above -0.85, civil twilight down to -6, nautical to -12, astronomical to -18, night
// below; each bound belongs to the darker class.
TTwilightClass TwilightClass(double sunAltitudeDeg);

// The sky colour for a class under the sky colour mode (0 always night; 1 day; 2 also
// civil twilight; 3 also nautical and astronomical twilight).
uint32_t SkyColour(TTwilightClass twilight, uint8_t skyColourMode,
                   const kit::TColourTable& colours);

}  // namespace velarion::solar

#endif
