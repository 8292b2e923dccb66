// Pieces of the information lines the Sun and the Moon share.
#ifndef VELARION_APP_SOLAR_BODYINFOTEXT_H
#define VELARION_APP_SOLAR_BODYINFOTEXT_H

#include <string>
#include <string_view>

namespace velarion::solar {

// A value rounded the way the program shows values, with `decimals` decimals.
std::string ShownNumber(double x, int decimals);

// "<label>α: <RA>   δ: <Dec>" with markup: RA in hours, Dec in degrees with a sign, to
// seconds with the given decimals. `label` is CP1251 text.
std::string EquatorialLine(std::string_view label, double raDeg, double decDeg, int raDecimals,
                           int decDecimals);

// RA and Dec of the mean equator of date carried to the true equator of T.
void ToTrueEquator(double tCenturies, double& raDeg, double& decDeg);

}  // namespace velarion::solar

#endif
