#include "CommInfo.h"

#include "Concat.h"
#include "Cp1251.h"
#include "Units.h"
#include "ValueFormat.h"

#include <cmath>

namespace velarion::solar {

namespace {

using velplatform::Concat;
using velplatform::Cp1251;

std::string Dms(double degrees) {
  return sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kSeconds, 0, false,
                          degrees);
}

std::string Hms(double hours) {
  return sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kSeconds, 0, false,
                          hours);
}

std::string LongitudeText(double longitudeEast) {
  const double a = std::fabs(longitudeEast);
  return Concat({Cp1251(longitudeEast >= 0.0 ? "В" : "З"), " ", Dms(a), " (",
                 sky::FixedToText(4, a), Cp1251("°,  "), Hms(a / 15.0), ",  ",
                 sky::FixedToText(5, a / 15.0), Cp1251("ч"), ")"});
}

std::string LatitudeText(double latitude) {
  const double a = std::fabs(latitude);
  return Concat({Cp1251(latitude >= 0.0 ? "С" : "Ю"), " ", Dms(a), " (", sky::FixedToText(4, a),
                 Cp1251("°)")});
}

std::string DeltaTText(double deltaTDays) {
  const double seconds = deltaTDays * velcommon::kSecondsPerDay;
  return Concat({seconds > 0.0 ? "+" : "", sky::FixedToText(1, seconds), " ", Cp1251("с")});
}

}  // namespace

std::vector<TCommonInfoRow> CommonInformation(const TCommonInfoView& v) {
  return {
      {{Cp1251("Местное поясное время:")}, sky::FormatDate(true, v.mjdUt + v.timeZoneHours / 24.0)},
      {{Cp1251("Всемирное время (UT):")}, sky::FormatDate(true, v.mjdUt)},
      {{Cp1251("Юлианская дата (JD):")}, sky::FixedToText(5, v.mjdUt + velcommon::kJdMjdZero)},
      {{Cp1251("Модиф. юлианская дата (MJD):")}, sky::FixedToText(5, v.mjdUt)},
      {{Cp1251("Разница между эфемеридным и"), Cp1251("всемирным временем (ET-UT):")},
       DeltaTText(v.deltaTDays)},
      {{Cp1251("Местное звездное время:")}, Hms(v.siderealHours)},
      {{Cp1251("Долгота:")}, LongitudeText(v.longitudeEastDeg)},
      {{Cp1251("Широта:")}, LatitudeText(v.latitudeDeg)},
  };
}

std::vector<std::string> CommonInfoLines(const std::vector<TCommonInfoRow>& rows) {
  std::vector<std::string> lines;
  for (const TCommonInfoRow& row : rows) {
    std::string line;
    for (const std::string& caption : row.caption) line += caption + " ";
    lines.push_back(line + row.value);
  }
  return lines;
}

}  // namespace velarion::solar
