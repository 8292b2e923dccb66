// The steps of the coordinate grids as the grid dialog corrects them: arc-minute steps
// 1 … 1800, the right-ascension step in seconds of time 6 … 7200 and a multiple of 6.
#ifndef VELARION_APP_UI_DIALOGS_GRIDSTEPS_H
#define VELARION_APP_UI_DIALOGS_GRIDSTEPS_H

#include <cstdint>

namespace velarion::ui {

int32_t CorrectArcminuteStep(int32_t arcminutes);
int32_t CorrectRaStep(int32_t seconds);

}  // namespace velarion::ui

#endif
