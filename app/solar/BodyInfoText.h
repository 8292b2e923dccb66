// Pieces of the information lines the Sun, the Moon and the planets share.
#ifndef VELARION_APP_SOLAR_BODYINFOTEXT_H
#define VELARION_APP_SOLAR_BODYINFOTEXT_H

#include "BodyPosition.h"
#include "BoundaryRecords.h"
#include "ZStrings.h"

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

// A body's places on the mean equator of date, from the Earth's centre and from the observer.
struct TGeoAndTopoPlaces {
  double raDeg = 0.0;
  double decDeg = 0.0;
  double topoRaDeg = 0.0;
  double topoDecDeg = 0.0;
};

// The heading "Экват. координаты (на текущую эпоху):" and the geocentric and topocentric
// lines, the places carried to the true equator of T (universal time); decimals as in
// EquatorialLine.
void AddEquatorialLines(kit::TZStrings& lines, double tUt, TGeoAndTopoPlaces places, int raDecimals,
                        int decDecimals);

// The rise, culmination and set lines of `body` for the view's observer and civil day, the
// body risen at `riseAltitudeDeg`; `deltaTDays` is dynamical less universal time.
std::string BodyRiseSetText(const kit::TViewParameters& view, TBody body, double riseAltitudeDeg,
                            double deltaTDays);

}  // namespace velarion::solar

#endif
