#include "SkyInputEvents.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velarion::ui {

namespace {

TSkyKey SkyKeyOf(int key) {
  switch (key) {
    case Qt::Key_Escape:
      return TSkyKey::kEscape;
    case Qt::Key_PageUp:
      return TSkyKey::kPageUp;
    case Qt::Key_PageDown:
      return TSkyKey::kPageDown;
    case Qt::Key_Home:
      return TSkyKey::kHome;
    case Qt::Key_Left:
      return TSkyKey::kLeft;
    case Qt::Key_Right:
      return TSkyKey::kRight;
    case Qt::Key_Up:
      return TSkyKey::kUp;
    case Qt::Key_Down:
      return TSkyKey::kDown;
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // "+" without Shift
      return TSkyKey::kPlus;
    case Qt::Key_Minus:
      return TSkyKey::kMinus;
    case Qt::Key_F8:
      return TSkyKey::kF8;
    default:
      return key >= Qt::Key_0 && key <= Qt::Key_9 ? TSkyKey::kDigit : TSkyKey::kOther;
  }
}

}  // namespace

TKeyPress KeyPressOf(const QKeyEvent& event) {
  const int key = event.key();
  const TSkyKey skyKey = SkyKeyOf(key);
  return {skyKey, skyKey == TSkyKey::kDigit ? key - Qt::Key_0 : 0,
          event.modifiers().testFlag(Qt::ControlModifier),
          event.modifiers().testFlag(Qt::KeypadModifier)};
}

TMouseButton ButtonOf(const QMouseEvent& event) {
  switch (event.button()) {
    case Qt::LeftButton:
      return TMouseButton::kLeft;
    case Qt::RightButton:
      return TMouseButton::kRight;
    default:
      return TMouseButton::kOther;
  }
}

TPixel PointOf(const QSinglePointEvent& event) {
  const QPoint point = event.position().toPoint();
  return {point.x(), point.y()};
}

}  // namespace velarion::ui
