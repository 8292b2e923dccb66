// A date as the windows and commands take it from the user: the day, the month, the year
// counted in its era, and the local time in decimal hours.
#ifndef VELARION_APP_UI_DATEENTRY_H
#define VELARION_APP_UI_DATEENTRY_H

#include <cstdint>

namespace velarion::ui {

struct TDateEntry {
  int32_t day = 1;
  int32_t month = 1;  // 1 … 12
  int32_t year = 2000;
  bool beforeChrist = false;
  double hours = 0.0;
  int32_t AstronomicalYear() const;
};

// The local moment (MJD) of a date that passed its window's checks.
double LocalMjdOf(const TDateEntry& date);

// The entry that shows a local moment: its year in its era, the hours rounded to 6 decimals.
TDateEntry DateEntryOf(double localMjd);

}  // namespace velarion::ui

#endif
