// The date fields' calendar: the program's own (Julian before 1582-10-15, Gregorian from
// then on, astronomical years), as MJD and CalDat count it, so that every date the dialog
// lets through is one the rest of the program reads back unchanged.
#ifndef VELARION_APP_UI_CALENDARDAYS_H
#define VELARION_APP_UI_CALENDARDAYS_H

#include <cstdint>

namespace velarion::ui {

inline constexpr int32_t kMinAstronomicalYear = -9998;
inline constexpr int32_t kMaxAstronomicalYear = 9999;

// The number of the month's last day (31 for October 1582, whose 5th to 14th never were).
int32_t DaysInMonth(int32_t month, int32_t astronomicalYear);

// Years of an era: 1 BC is astronomical year 0.
int32_t AstronomicalYear(int32_t eraYear, bool beforeChrist);
int32_t EraYear(int32_t astronomicalYear);
inline bool BeforeChrist(int32_t astronomicalYear) { return astronomicalYear <= 0; }

}  // namespace velarion::ui

#endif
