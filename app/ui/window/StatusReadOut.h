// The status bar's read-out of the point under the pointer: its horizontal coordinates, and
// its apparent right ascension (or hour angle) and declination; and the angle the angle tool
// measures. Texts are CP1251.
#ifndef VELARION_APP_UI_WINDOW_STATUSREADOUT_H
#define VELARION_APP_UI_WINDOW_STATUSREADOUT_H

#include <string>

namespace velarion::ui {

// "Аз.:123.45° Выс.:12.34°".
std::string HorizontalReadOut(double azimuthDeg, double altitudeDeg);

// "Ra:10ч 0м 0.0с Dec:+20° 0' 0\"", or with the hour angle (local sidereal time minus the
// right ascension, in [0, 24) hours) " t:2ч 0м 0.0с Dec:…".
std::string EquatorialReadOut(double raDeg, double decDeg, double siderealHours, bool hourAngle);

// While the angle tool drags: "Угол:  12° 30' 0\"".
std::string DraggedAngleReadOut(double degrees);
// Where it was released: "Угловое расстояние: 12° 30' 0\" (12.5000°)".
std::string AngleMessage(double degrees);

}  // namespace velarion::ui

#endif
