// The rise and set window for an object that keeps its place in the sky during a day (a
// star, a nebula): the information command "Восход/Заход" of the catalogue groups.
#ifndef VELARION_APP_GROUPSERVICES_FIXEDPLACERISESET_H
#define VELARION_APP_GROUPSERVICES_FIXEDPLACERISESET_H

#include "ObjectGroup.h"

#include <cstdint>

namespace velarion::solar {

// The altitude of a point source at rising: −34′ of refraction.
inline constexpr double kPointSourceRiseAltitude = -0.5666666666666667;

// Shows " Период видимости" for the place (degrees, in the frame of `epoch`, T).
void ShowRiseSetOfFixedPlace(double raDeg, double decDeg, double epoch);

// The same for object `index` of a catalogue group, at its place in the group's frame;
// false when the group has no such object.
bool ShowRiseSetOfObject(kit::TObjectGroup& group, int32_t index);

}  // namespace velarion::solar

#endif
