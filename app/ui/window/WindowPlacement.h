// A remembered window placement brought back onto the screen: settings written on another
// screen, or by hand, must not leave a window out of reach or too small to use.
#ifndef VELARION_APP_UI_WINDOW_WINDOWPLACEMENT_H
#define VELARION_APP_UI_WINDOW_WINDOWPLACEMENT_H

#include "Geometry.h"

#include <cstdint>

namespace velarion::ui {

// `window` (left, top, right, bottom) at least `minWidth` × `minHeight`, at most the screen's
// size, moved as little as needed to lie wholly on `screen`.
velplatform::TRect KeepOnScreen(velplatform::TRect window, velplatform::TRect screen,
                                int32_t minWidth, int32_t minHeight);

}  // namespace velarion::ui

#endif
