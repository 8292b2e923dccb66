#include "Twilight.h"

namespace velarion::solar {

TTwilightClass TwilightClass(double sunAltitudeDeg) {
  if (sunAltitudeDeg > -0.85) return kDay;
  if (sunAltitudeDeg > -6.0) return kCivilTwilight;
  if (sunAltitudeDeg > -12.0) return kNauticalTwilight;
  if (sunAltitudeDeg > -18.0) return kAstronomicalTwilight;
  return kNight;
}

uint32_t SkyColour(TTwilightClass twilight, uint8_t skyColourMode,
                   const kit::TColourTable& colours) {
  kit::TColourSlot entry = kit::kNightBackgroundColour;
  if (twilight == kDay && skyColourMode >= 1) {
    entry = kit::kDayBackgroundColour;
  } else if (twilight == kCivilTwilight && skyColourMode >= 2) {
    entry = kit::kCivilTwilightBackgroundColour;
  } else if ((twilight == kNauticalTwilight || twilight == kAstronomicalTwilight) &&
             skyColourMode >= 3) {
    entry = kit::kAstronomicalTwilightBackgroundColour;
  }
  return colours[entry];
}

}  // namespace velarion::solar
