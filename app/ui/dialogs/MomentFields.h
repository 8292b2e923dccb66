// The fields of a moment as the ephemeris and path windows ask for it: day, month, year of
// the era, era, and decimal hours with a "ч" button that edits them in hours, minutes and
// seconds. What the user typed is read back as typed; the windows validate it themselves.
#ifndef VELARION_APP_UI_DIALOGS_MOMENTFIELDS_H
#define VELARION_APP_UI_DIALOGS_MOMENTFIELDS_H

#include "Dialogs.h"

#include <cstdint>
#include <vector>

namespace velarion::ui {

// The ids of one moment's controls: the day, and the other five after it.
struct TMomentFieldIds {
  int32_t day = 0;
  int32_t Month() const { return day + 1; }
  int32_t Year() const { return day + 2; }
  int32_t Era() const { return day + 3; }
  int32_t Hours() const { return day + 4; }
  int32_t HoursButton() const { return day + 5; }
};

// The controls in a row from (x, y) on `page`, preceded by `caption` (UTF-8) above them.
std::vector<velplatform::TControlLayout> MomentFieldControls(TMomentFieldIds ids, int32_t x,
                                                             int32_t y, int32_t page,
                                                             const char* caption);

struct TTypedMoment {
  int32_t day = 1;
  int32_t month = 1;      // 1 … 12
  int32_t typedYear = 1;  // as typed, of its era
  bool beforeChrist = false;
  double hours = 0.0;  // as typed, local time
  int32_t AstronomicalYear() const;
};

// Fills the month and era lists and shows the local moment (an MJD), hours to `decimals`.
void ShowMoment(velplatform::TDialogControls& controls, TMomentFieldIds ids, double localMjd,
                int32_t decimals);
TTypedMoment ReadMoment(const velplatform::TDialogControls& controls, TMomentFieldIds ids);
// The local MJD of a moment that passed validation, and the fields of a local MJD.
double LocalMjd(const TTypedMoment& moment);
TTypedMoment TypedMomentOf(double localMjd);

// The "ч" button: the hours field in the editor of hours, minutes and seconds.
void EditHoursField(velplatform::TWindowHandle owner, velplatform::TDialogControls& controls,
                    int32_t hoursField, int32_t decimals);

}  // namespace velarion::ui

#endif
