// The state of the sky by the Sun's altitude, and the colour the sky is painted with.
#ifndef VELARION_APP_SOLAR_TWILIGHT_H
#define VELARION_APP_SOLAR_TWILIGHT_H

#include "BoundaryRecords.h"

#include <cstdint>

namespace velarion::solar {

enum TTwilightClass : int32_t {
  kNight = 0,
  kAstronomicalTwilight = 1,
  kNauticalTwilight = 2,
  kCivilTwilight = 3,
  kDay = 4,
};

// Entries of the view's colour table used by the Sun and the Moon.
inline constexpr int kNightBackgroundColour = 0;
inline constexpr int kDayBackgroundColour = 1;
inline constexpr int kSolarSystemColour = 6;
inline constexpr int kUnlitPartColour = 10;
inline constexpr int kSunColour = 11;
inline constexpr int kCivilBackgroundColour = 12;
inline constexpr int kAstronomicalBackgroundColour = 13;

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
