// The fields of a moment as the ephemeris and path windows ask for it: day, month, year of
// the era, era, and decimal hours with a "ч" button that edits them in hours, minutes and
// seconds. What the user typed is read back as typed; the windows check it themselves.
#ifndef VELARION_APP_UI_DIALOGS_MOMENTFIELDS_H
#define VELARION_APP_UI_DIALOGS_MOMENTFIELDS_H

#include "DateEntry.h"
#include "Dialogs.h"

#include <cstdint>
#include <vector>

namespace velarion::ui {

// The ids of one moment's controls: the day, and the other five after it.
struct TMomentFieldIds {
  int32_t day = 0;
  constexpr int32_t Month() const { return day + 1; }
  constexpr int32_t Year() const { return day + 2; }
  constexpr int32_t Era() const { return day + 3; }
  constexpr int32_t Hours() const { return day + 4; }
  constexpr int32_t HoursButton() const { return day + 5; }
};

// The controls in a row from (x, y), with `caption` (UTF-8) above them.
std::vector<velplatform::TControlLayout> MomentFieldControls(TMomentFieldIds ids, int32_t x,
                                                             int32_t y, const char* caption);

// Fills the month and era lists and shows the local moment (an MJD), hours to `decimals`.
void ShowMoment(velplatform::TDialogControls& controls, TMomentFieldIds ids, double localMjd,
                int32_t decimals);
TDateEntry ReadMoment(const velplatform::TDialogControls& controls, TMomentFieldIds ids);

// The "ч" button: the hours field in the editor of hours, minutes and seconds.
void EditHoursField(velplatform::TWindowHandle owner, velplatform::TDialogControls& controls,
                    int32_t hoursField, int32_t decimals);

}  // namespace velarion::ui

#endif
