// The observing place as the city list and the place fields show it: longitude and latitude
// as absolute degrees and minutes with their side, the time zone with two decimals (zones
// of 5 h 45 min exist) and its side of Greenwich.
#ifndef VELARION_APP_UI_DIALOGS_PLACETEXT_H
#define VELARION_APP_UI_DIALOGS_PLACETEXT_H

#include <string>

namespace velarion::ui {

inline constexpr int kPlaceDecimals = 5;     // longitude and latitude fields
inline constexpr int kTimeZoneDecimals = 2;  // time-zone fields and texts
inline constexpr double kMinTimeZone = -12.0;
inline constexpr double kMaxTimeZone = 14.0;

// "39° 12' Вост.", "51° 40' Сев.", "3.00 после Гринвича" (CP1251).
std::string LongitudeText(double longitudeDeg);
std::string LatitudeText(double latitudeDeg);
std::string TimeZoneText(double timeZoneHours);

}  // namespace velarion::ui

#endif
