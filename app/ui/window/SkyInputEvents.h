// Qt's key and mouse events in the terms of TSkyInput.
#ifndef VELARION_APP_UI_WINDOW_SKYINPUTEVENTS_H
#define VELARION_APP_UI_WINDOW_SKYINPUTEVENTS_H

#include "SkyInput.h"

class QKeyEvent;
class QMouseEvent;
class QSinglePointEvent;

namespace velarion::ui {

TKeyPress KeyPressOf(const QKeyEvent& event);
TMouseButton ButtonOf(const QMouseEvent& event);
// The event's point in the coordinates of the widget it came to.
TPixel PointOf(const QSinglePointEvent& event);

}  // namespace velarion::ui

#endif
