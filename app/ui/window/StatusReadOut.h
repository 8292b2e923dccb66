// The status bar's read-out of the point under the pointer: its horizontal coordinates, and
// its apparent right ascension (or hour angle) and declination. Texts are CP1251.
#ifndef VELARION_APP_UI_WINDOW_STATUSREADOUT_H
#define VELARION_APP_UI_WINDOW_STATUSREADOUT_H

#include <string>

namespace velarion::ui {

// "Аз.:123.45° Выс.:12.34°".
std::string HorizontalReadOut(double azimuthDeg, double altitudeDeg);

// "Ra:10ч 0м 0.0с Dec:+20° 0' 0\"", or with the hour angle (local sidereal time minus the
// right ascension, in [0, 24) hours) " t:2ч 0м 0.0с Dec:…".
std::string EquatorialReadOut(double raDeg, double decDeg, double siderealHours, bool hourAngle);

}  // namespace velarion::ui

#endif
