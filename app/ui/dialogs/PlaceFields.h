// The place fields shared by the parameters dialog and the city editor: longitude with
// "Зап."/"Вост.", latitude with "Сев."/"Южн.", time zone with "До Гринвича"/"После
// Гринвича". The fields hold absolute values; the side gives the sign.
#ifndef VELARION_APP_UI_DIALOGS_PLACEFIELDS_H
#define VELARION_APP_UI_DIALOGS_PLACEFIELDS_H

#include "CityList.h"
#include "Dialogs.h"

#include <cstdint>

namespace velarion::ui {

struct TPlaceFieldIds {
  int32_t longitude;
  int32_t west;
  int32_t east;
  int32_t latitude;
  int32_t north;
  int32_t south;
  int32_t timeZone;
  int32_t beforeGreenwich;
  int32_t afterGreenwich;
};

// Longitude and latitude with 5 decimals, the zone with 2.
void ShowLongitude(velplatform::TDialogControls& controls, const TPlaceFieldIds& ids,
                   double degrees);
void ShowLatitude(velplatform::TDialogControls& controls, const TPlaceFieldIds& ids,
                  double degrees);
void ShowTimeZone(velplatform::TDialogControls& controls, const TPlaceFieldIds& ids, double hours);
void ShowPlace(velplatform::TDialogControls& controls, const TPlaceFieldIds& ids,
               const TCityData& place);

// Signed values: longitude within -180 … 180, latitude -90 … 90, zone -12 … +14.
double ReadLongitude(const velplatform::TDialogControls& controls, const TPlaceFieldIds& ids);
double ReadLatitude(const velplatform::TDialogControls& controls, const TPlaceFieldIds& ids);
double ReadTimeZone(const velplatform::TDialogControls& controls, const TPlaceFieldIds& ids);
TCityData ReadPlace(const velplatform::TDialogControls& controls, const TPlaceFieldIds& ids);

// The "°" button of an absolute-degree field: EditDMS in degrees, written back with 5
// decimals.
void EditDegreesField(velplatform::TWindowHandle owner, velplatform::TDialogControls& controls,
                      int32_t field);

}  // namespace velarion::ui

#endif
