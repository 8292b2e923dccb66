#include "DateEntry.h"

#include "CalendarDays.h"
#include "velastro.h"

#include <cmath>

namespace velarion::ui {

namespace {

constexpr double kHoursPerDay = 24.0;

}  // namespace

int32_t TDateEntry::AstronomicalYear() const { return ui::AstronomicalYear(year, beforeChrist); }

double LocalMjdOf(const TDateEntry& date) {
  return MJD(date.day, date.month, date.AstronomicalYear(), date.hours);
}

TDateEntry DateEntryOf(double localMjd) {
  double midnight = std::floor(localMjd);
  double hours = std::nearbyint((localMjd - midnight) * kHoursPerDay * 1e6) / 1e6;
  // 23:59:59.9999999 shows as the next day's 0 h, never as 24 h.
  if (hours >= kHoursPerDay) {
    midnight += 1.0;
    hours = 0.0;
  }
  TDateEntry date;
  int32_t year = 0;
  double unused = 0.0;
  CalDat(midnight, &date.day, &date.month, &year, &unused);
  date.beforeChrist = BeforeChrist(year);
  date.year = EraYear(year);
  date.hours = hours;
  return date;
}

}  // namespace velarion::ui
