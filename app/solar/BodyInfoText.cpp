#include "BodyInfoText.h"

#include "AngleUtils.h"
#include "Concat.h"
#include "Cp1251.h"
#include "RiseSet.h"
#include "ValueFormat.h"
#include "velastro.h"

namespace velarion::solar {

std::string ShownNumber(double x, int decimals) {
  return sky::FixedToText(decimals, sky::RoundTo(x, decimals));
}

std::string EquatorialLine(std::string_view label, double raDeg, double decDeg, int raDecimals,
                           int decDecimals) {
  using sky::FormatAngle;
  using sky::TAngleResolution;
  using sky::TAngleUnit;
  return velplatform::Concat(
      {"\x01", label,
       "\x02"
       "a"
       "\x01"
       ": ",
       FormatAngle(TAngleUnit::kHours, TAngleResolution::kSeconds, raDecimals, false, raDeg / 15.0),
       "   \x02"
       "d"
       "\x01"
       ": ",
       FormatAngle(TAngleUnit::kDegrees, TAngleResolution::kSeconds, decDecimals, true, decDeg)});
}

void ToTrueEquator(double tCenturies, double& raDeg, double& decDeg) {
  double x = 0.0, y = 0.0, z = 0.0, r = 0.0;
  Cart(1.0, decDeg, raDeg, &x, &y, &z);
  NutEqu(tCenturies, &x, &y, &z);
  Polar(x, y, z, &r, &decDeg, &raDeg);
}

void AddEquatorialLines(kit::TZStrings& lines, double tUt, TGeoAndTopoPlaces places, int raDecimals,
                        int decDecimals) {
  using velplatform::Cp1251;
  ToTrueEquator(tUt, places.raDeg, places.decDeg);
  ToTrueEquator(tUt, places.topoRaDeg, places.topoDecDeg);
  lines.Add("\x01" + Cp1251("Экват. координаты (на текущую эпоху):"));
  lines.Add(
      EquatorialLine(Cp1251("Геоцентр.: "), places.raDeg, places.decDeg, raDecimals, decDecimals));
  lines.Add(EquatorialLine(Cp1251("Топоцентр.: "), places.topoRaDeg, places.topoDecDeg, raDecimals,
                           decDecimals));
}

std::string BodyRiseSetText(const kit::TViewParameters& view, TBody body, double riseAltitudeDeg,
                            double deltaTDays) {
  const TRiseSetTimes times = ComputeRiseSet(
      ObserverOfView(view), riseAltitudeDeg, GetT(view.mjdUt),
      [body, deltaTDays](double mjd, double& ra, double& dec) {
        const TBodyPosition p = ComputeBodyPosition(body, true, true, GetT(mjd + deltaTDays));
        ra = p.raDeg;
        dec = p.decDeg;
      });
  return RiseSetText(times);
}

}  // namespace velarion::solar
