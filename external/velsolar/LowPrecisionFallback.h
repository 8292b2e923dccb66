// Places from velastro's low-precision theories, used when the series file is unusable.
#ifndef VELSOLAR_LOW_PRECISION_FALLBACK_H
#define VELSOLAR_LOW_PRECISION_FALLBACK_H

#include "SolarTheory.h"

#include <string>

namespace velsolar {

// Heliocentric place of Mercury .. Neptune (the Earth included), degrees and AU.
TSpherical LowPrecisionPlanet(velcommon::TBody body, double t, const std::string& reason);

// Geocentric Moon, degrees and Earth radii.
TSpherical LowPrecisionMoon(double t, const std::string& reason);

}  // namespace velsolar

#endif
