#include "StatusReadOut.h"

#include "Concat.h"
#include "Cp1251.h"
#include "ValueFormat.h"

#include <cmath>

namespace velarion::ui {

using velplatform::Concat;
using velplatform::Cp1251;

namespace {

std::string DegreesMinutesSeconds(double degrees) {
  return sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kSeconds, 0, false,
                          degrees);
}

}  // namespace

std::string HorizontalReadOut(double azimuthDeg, double altitudeDeg) {
  return Concat({Cp1251("Аз.:"), sky::FixedToText(2, azimuthDeg), Cp1251("° Выс.:"),
                 sky::FixedToText(2, altitudeDeg), Cp1251("°")});
}

std::string EquatorialReadOut(double raDeg, double decDeg, double siderealHours, bool hourAngle) {
  const auto hours = [](double h) {
    return sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kSeconds, 1, false, h);
  };
  std::string first;
  if (hourAngle) {
    double t = std::fmod(siderealHours - raDeg / 15.0, 24.0);
    if (t < 0.0) t += 24.0;
    first = Concat({" t:", hours(t)});
  } else {
    first = Concat({"Ra:", hours(raDeg / 15.0)});
  }
  return Concat({first, " Dec:",
                 sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kSeconds, 0,
                                  true, decDeg)});
}

std::string DraggedAngleReadOut(double degrees) {
  return Concat({Cp1251("Угол:  "), DegreesMinutesSeconds(degrees)});
}

std::string AngleMessage(double degrees) {
  return Concat({Cp1251("Угловое расстояние: "), DegreesMinutesSeconds(degrees), " (",
                 sky::FixedToText(4, degrees), Cp1251("°)")});
}

}  // namespace velarion::ui
