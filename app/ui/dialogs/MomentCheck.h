// The checks of a moment the user typed into the moment fields, in the order the user is
// told of them: the year, the hour, then the day of that month.
#ifndef VELARION_APP_UI_DIALOGS_MOMENTCHECK_H
#define VELARION_APP_UI_DIALOGS_MOMENTCHECK_H

#include "DateEntry.h"

#include <optional>
#include <string>

namespace velarion::ui {

// The message (CP1251) for the first fault, none when the moment is a valid date.
std::optional<std::string> MomentProblem(const TDateEntry& moment);

}  // namespace velarion::ui

#endif
