#include "PathMarks.h"

#include "Concat.h"
#include "Cp1251.h"
#include "Language.h"
#include "Units.h"
#include "velastro.h"

#include <cmath>

namespace velarion::paths {

namespace {

using velcommon::kSecondsPerDay;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kSecondsPerMinute = 60.0;
// Seconds closer than this to a whole second are that second: CalDat's rounding noise.
constexpr double kSecondNoise = 1e-4;

bool AtLeast(TMarkUnit unit, TMarkUnit coarsest) {
  return static_cast<uint8_t>(unit) >= static_cast<uint8_t>(coarsest);
}

// Whole days in `seconds` move into the date, months beyond December into the year, and
// days beyond the month's end into the months after it (MJD counts them on).
TCivilMoment Carried(int32_t year, int32_t month, int32_t day, double seconds) {
  const double wholeDays = std::floor(seconds / kSecondsPerDay);
  year += (month - 1) / 12;
  month = (month - 1) % 12 + 1;
  TCivilMoment carried;
  double hour = 0.0;
  CalDat(MJD(day, month, year, 0.0) + wholeDays, &carried.day, &carried.month, &carried.year,
         &hour);
  carried.secondOfDay = seconds - wholeDays * kSecondsPerDay;
  return carried;
}

}  // namespace

std::optional<double> MarkUnitDays(TMarkUnit unit) {
  switch (unit) {
    case TMarkUnit::kYear:
      return velcommon::kDaysPerYear;
    case TMarkUnit::kMonth:
      return velcommon::kDaysPerYear / 12.0;
    case TMarkUnit::kDay:
      return 1.0;
    case TMarkUnit::kHour:
      return 1.0 / 24.0;
    case TMarkUnit::kMinute:
      return 1.0 / 1440.0;
    case TMarkUnit::kSecond:
      return 1.0 / kSecondsPerDay;
    case TMarkUnit::kNone:
      break;
  }
  return std::nullopt;
}

TCivilMoment CivilMomentOf(double localMjd) {
  TCivilMoment moment;
  double hour = 0.0;
  CalDat(localMjd, &moment.day, &moment.month, &moment.year, &hour);
  double seconds = hour * kSecondsPerHour;
  if (std::fabs(seconds - std::round(seconds)) < kSecondNoise) seconds = std::round(seconds);
  return Carried(moment.year, moment.month, moment.day, seconds);
}

double LocalMjdOf(const TCivilMoment& moment) {
  return MJD(moment.day, moment.month, moment.year, moment.secondOfDay / kSecondsPerHour);
}

TCivilMoment FirstMark(const TCivilMoment& start, TMarkUnit unit) {
  TCivilMoment mark = start;
  if (unit != TMarkUnit::kSecond) mark.secondOfDay = std::floor(mark.secondOfDay);
  if (!AtLeast(unit, TMarkUnit::kMinute)) {
    mark.secondOfDay = std::floor(mark.secondOfDay / kSecondsPerMinute) * kSecondsPerMinute;
  }
  if (!AtLeast(unit, TMarkUnit::kHour)) mark.secondOfDay = 0.0;
  if (!AtLeast(unit, TMarkUnit::kDay)) mark.day = 1;
  if (!AtLeast(unit, TMarkUnit::kMonth)) mark.month = 1;
  return mark;
}

TCivilMoment NextMark(const TCivilMoment& mark, TMarkUnit unit, int32_t multiplier) {
  int32_t year = mark.year;
  int32_t month = mark.month;
  int32_t days = 0;
  double seconds = mark.secondOfDay;
  switch (unit) {
    case TMarkUnit::kYear:
      year += multiplier;
      break;
    case TMarkUnit::kMonth:
      month += multiplier;
      break;
    case TMarkUnit::kDay:
      days = multiplier;
      break;
    case TMarkUnit::kHour:
      seconds += multiplier * kSecondsPerHour;
      break;
    case TMarkUnit::kMinute:
      seconds += multiplier * kSecondsPerMinute;
      break;
    case TMarkUnit::kSecond:
      seconds += multiplier;
      break;
    case TMarkUnit::kNone:
      break;
  }
  return Carried(year, month, mark.day, seconds + days * kSecondsPerDay);
}

std::string MarkLabel(const TCivilMoment& mark, TMarkUnit unit) {
  const sky::TLanguage language = sky::InterfaceLanguage();
  std::string label = mark.year < 1 ? velplatform::Concat({std::to_string(1 - mark.year), " ",
                                                           sky::EraNames(language).beforeChrist})
                                    : std::to_string(mark.year);
  if (AtLeast(unit, TMarkUnit::kMonth)) {
    label = velplatform::UpperCp1251(sky::MonthNames(language)[mark.month - 1]) + " " + label;
  }
  if (AtLeast(unit, TMarkUnit::kDay)) label = std::to_string(mark.day) + " " + label;
  const auto whole = static_cast<int64_t>(std::floor(mark.secondOfDay));
  const sky::TUnitLetters& letters = sky::UnitLetters(language);
  if (unit == TMarkUnit::kSecond) label = std::to_string(whole % 60) + letters.second + " " + label;
  if (AtLeast(unit, TMarkUnit::kMinute)) {
    label = std::to_string(whole / 60 % 60) + letters.minute + " " + label;
  }
  if (AtLeast(unit, TMarkUnit::kHour)) {
    label = std::to_string(whole / 3600) + letters.hour + " " + label;
  }
  return label;
}

}  // namespace velarion::paths
