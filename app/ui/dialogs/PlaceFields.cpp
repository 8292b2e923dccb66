#include "PlaceFields.h"

#include "DialogFields.h"
#include "EditDms.h"
#include "PlaceText.h"

#include <algorithm>
#include <cmath>

namespace velarion::ui {

using velplatform::TDialogControls;

namespace {

void ShowSided(TDialogControls& controls, int32_t field, int32_t negativeSide, int32_t positiveSide,
               double value, int decimals) {
  SetFieldNumber(controls, field, std::fabs(value), decimals);
  if (value < 0.0) {
    CheckRadio(controls, negativeSide, positiveSide);
  } else {
    CheckRadio(controls, positiveSide, negativeSide);
  }
}

double ReadSided(const TDialogControls& controls, int32_t field, int32_t negativeSide) {
  const double magnitude = std::fabs(FieldNumber(controls, field));
  return controls.Checked(negativeSide) ? -magnitude : magnitude;
}

}  // namespace

void ShowLongitude(TDialogControls& controls, const TPlaceFieldIds& ids, double degrees) {
  ShowSided(controls, ids.longitude, ids.west, ids.east, degrees, kPlaceDecimals);
}

void ShowLatitude(TDialogControls& controls, const TPlaceFieldIds& ids, double degrees) {
  ShowSided(controls, ids.latitude, ids.south, ids.north, degrees, kPlaceDecimals);
}

void ShowTimeZone(TDialogControls& controls, const TPlaceFieldIds& ids, double hours) {
  ShowSided(controls, ids.timeZone, ids.beforeGreenwich, ids.afterGreenwich, hours,
            kTimeZoneDecimals);
}

void ShowPlace(TDialogControls& controls, const TPlaceFieldIds& ids, const TCityData& place) {
  ShowLongitude(controls, ids, place.longitudeDeg);
  ShowLatitude(controls, ids, place.latitudeDeg);
  ShowTimeZone(controls, ids, place.timeZoneHours);
}

double ReadLongitude(const TDialogControls& controls, const TPlaceFieldIds& ids) {
  return std::clamp(ReadSided(controls, ids.longitude, ids.west), -180.0, 180.0);
}

double ReadLatitude(const TDialogControls& controls, const TPlaceFieldIds& ids) {
  return std::clamp(ReadSided(controls, ids.latitude, ids.south), -90.0, 90.0);
}

double ReadTimeZone(const TDialogControls& controls, const TPlaceFieldIds& ids) {
  return std::clamp(ReadSided(controls, ids.timeZone, ids.beforeGreenwich), kMinTimeZone,
                    kMaxTimeZone);
}

TCityData ReadPlace(const TDialogControls& controls, const TPlaceFieldIds& ids) {
  return {ReadLongitude(controls, ids), ReadLatitude(controls, ids), ReadTimeZone(controls, ids)};
}

void EditDegreesField(velplatform::TWindowHandle owner, TDialogControls& controls, int32_t field) {
  const std::optional<double> edited = EditDMS(owner, std::fabs(FieldNumber(controls, field)),
                                               static_cast<int32_t>(TDmsKind::kDegrees), 1);
  if (edited) SetFieldNumber(controls, field, std::fabs(*edited), kPlaceDecimals);
}

}  // namespace velarion::ui
