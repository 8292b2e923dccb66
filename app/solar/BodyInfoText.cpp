#include "BodyInfoText.h"

#include "AngleUtils.h"
#include "Concat.h"
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

}  // namespace velarion::solar
