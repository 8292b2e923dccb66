// Pressure and temperature as the parameters dialog shows and takes them: pressure in
// millimetres of mercury or millibar, stored in millibar within 900 … 1100; temperature
// in whole degrees Celsius within -40 … 40.
#ifndef VELARION_APP_UI_DIALOGS_ATMOSPHERE_H
#define VELARION_APP_UI_DIALOGS_ATMOSPHERE_H

namespace velarion::ui {

inline constexpr double kMbarPerMmHg = 1.3332196;
inline constexpr double kMmHgPerMbar = 0.75006398045753302757;
inline constexpr double kMinPressureMbar = 900.0;
inline constexpr double kMaxPressureMbar = 1100.0;
inline constexpr double kMinTemperatureC = -40.0;
inline constexpr double kMaxTemperatureC = 40.0;

// The shown value in the other unit, rounded to a whole number.
double MillimetresToShownMillibar(double mmHg);
double MillibarToShownMillimetres(double mbar);

// What "&Верно" stores: converted when given in millimetres, clamped, rounded.
double StoredPressureMbar(double shown, bool inMillimetres);
double StoredTemperatureC(double shown);

}  // namespace velarion::ui

#endif
