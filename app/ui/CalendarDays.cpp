#include "CalendarDays.h"

#include "velastro.h"

#include <algorithm>

namespace velarion::ui {

int32_t DaysInMonth(int32_t month, int32_t astronomicalYear) {
  month = std::clamp(month, 1, 12);
  // The day before the first of the next month (MJD rolls month 13 into January).
  int32_t day = 0, lastMonth = 0, year = 0;
  double hour = 0.0;
  CalDat(MJD(1, month + 1, astronomicalYear, 0.0) - 1.0, &day, &lastMonth, &year, &hour);
  return day;
}

int32_t AstronomicalYear(int32_t eraYear, bool beforeChrist) {
  return beforeChrist ? 1 - eraYear : eraYear;
}

int32_t EraYear(int32_t astronomicalYear) {
  return BeforeChrist(astronomicalYear) ? 1 - astronomicalYear : astronomicalYear;
}

}  // namespace velarion::ui
