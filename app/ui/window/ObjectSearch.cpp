#include "ObjectSearch.h"

#include "Units.h"
#include "velastro.h"

#include <cmath>

namespace velarion::ui {

bool NeverRises(double decDeg, double latitudeDeg) {
  return latitudeDeg >= 0.0 ? decDeg < latitudeDeg - 90.0 : decDeg > latitudeDeg + 90.0;
}

double TransitShiftDays(double raDeg, double siderealHours) {
  double hours = std::fmod(raDeg / 15.0 - siderealHours, 24.0);
  if (hours < -12.0) hours += 24.0;
  if (hours >= 12.0) hours -= 24.0;
  return hours * velcommon::kSiderealDayRounded / 24.0;
}

TEquatorial PrecessToDate(TEquatorial place, double epochT, double dateT) {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  Cart(1.0, place.decDeg, place.raDeg, &x, &y, &z);
  double matrix[9];
  PMatEqu(epochT, dateT, matrix);
  Precart(matrix, &x, &y, &z);
  double r = 0.0;
  TEquatorial result{};
  Polar(x, y, z, &r, &result.decDeg, &result.raDeg);
  return result;
}

}  // namespace velarion::ui
