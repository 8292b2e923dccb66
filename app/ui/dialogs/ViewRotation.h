// The view rotation as the user reads it: whole degrees 0 … 359 of the direction at the
// top of the map, counted as the azimuths are (from north or from south) and in the sense
// the mirrored map shows.
#ifndef VELARION_APP_UI_DIALOGS_VIEWROTATION_H
#define VELARION_APP_UI_DIALOGS_VIEWROTATION_H

#include <cstdint>

namespace velarion::ui {

enum class TCompassPoint : uint8_t { kNorth, kEast, kSouth, kWest };

// The field's value for the sky image's azimuth rotation.
int32_t ShownRotation(double azimuthRotationDeg, bool azimuthFromSouth, bool mirror);
// The sky image's azimuth rotation (0 … 360) for the field's value.
double AzimuthRotation(int32_t shownDeg, bool azimuthFromSouth, bool mirror);
// What the "С", "В", "Ю", "З" buttons put into the field.
int32_t CompassValue(TCompassPoint point, bool azimuthFromSouth);

}  // namespace velarion::ui

#endif
