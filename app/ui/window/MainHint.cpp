// The main window's object hint: a pointer resting on the sky with the selection tool names
// the objects under it after half a second; moving on, a key, a click, the wheel or another
// window taking the user hides it.
#include "MainUnit.h"

#include "Cp1251.h"
#include "SkyHintWindow.h"

#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>

#include <cstdlib>

namespace velarion::ui {

namespace {

constexpr int kHintDelayMs = 500;

bool HidesTheHint(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ApplicationDeactivate:
    case QEvent::WindowDeactivate:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TVelarionMainForm::CreateHint() {
  hint_ = new TSkyHintWindow(this);
  hintTimer_ = new QTimer(this);
  hintTimer_->setSingleShot(true);
  hintTimer_->setInterval(kHintDelayMs);
  connect(hintTimer_, &QTimer::timeout, this, [this] { ShowObjectHint(); });
}

void TVelarionMainForm::HintPointerMoved(const QMouseEvent& event) {
  hintTimer_->stop();
  if (hint_->Shown()) {
    const QPoint moved = PicturePoint(event.position().toPoint()) - hint_->ShownAt();
    if (std::abs(moved.x()) > 1 || std::abs(moved.y()) > 1) hint_->HideHint();
    return;
  }
  const bool resting = event.buttons() == Qt::NoButton && event.modifiers() == Qt::NoModifier;
  if (resting && started_ && tools_.Current() == TSkyTool::kSelection &&
      session_->Configuration().sky.objectHints) {
    hintTimer_->start();
  }
}

void TVelarionMainForm::ShowObjectHint() {
  if (!isActiveWindow()) return;
  const QPoint area = skyArea_->viewport()->mapFromGlobal(QCursor::pos());
  if (!skyArea_->viewport()->rect().contains(area)) return;
  const QPoint picture = PicturePoint(area);
  const QFont font = QToolTip::font();
  const TMarkupFonts fonts{velplatform::Utf16ToCp1251(font.family().toStdU16String()),
                           Image().GreekFont(), QFontInfo(font).pixelSize() * 4 / 3};
  hint_->ShowFor(Image().ObjectsAt(picture.x(), picture.y(), true), picture, QCursor::pos(), fonts);
}

void TVelarionMainForm::HideHintOn(const QEvent& event) {
  if (hint_ != nullptr && hint_->Shown() && HidesTheHint(event.type())) hint_->HideHint();
  if (hintTimer_ != nullptr && event.type() == QEvent::MouseButtonPress) hintTimer_->stop();
}

}  // namespace velarion::ui
