#include "SkyHintWindow.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace velarion::ui {

namespace {

constexpr int kTextLeft = 2;  // the frame the hint rectangle grew by, less the border

// The height of the pointer's picture; the hint stands below it.
int CursorHeight(const QWidget& widget) {
  const QPixmap picture = widget.cursor().pixmap();
  return picture.isNull() ? 32 : picture.height();
}

}  // namespace

TSkyHintWindow::TSkyHintWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
}

void TSkyHintWindow::ShowFor(std::span<const sky::TSelectedObject> picked, QPoint skyPoint,
                             QPoint pointer, const TMarkupFonts& fonts) {
  lines_ = HintLines(picked);
  fonts_ = fonts;
  if (lines_.empty()) return;
  int32_t widest = 0;
  for (const std::string& line : lines_) widest = std::max(widest, MarkupTextWidth(line, fonts_));
  const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : nullptr;
  const QSize screenSize = screen != nullptr ? screen->size() : QSize(1 << 16, 1 << 16);
  const velplatform::TRect r = HintRectangle({{pointer.x(), pointer.y()},
                                              widest,
                                              static_cast<int32_t>(lines_.size()),
                                              fonts_.height,
                                              CursorHeight(*this),
                                              screenSize.width(),
                                              screenSize.height()});
  setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
  shownAt_ = skyPoint;
  shown_ = true;
  show();
  update();
}

void TSkyHintWindow::HideHint() {
  if (!shown_) return;
  shown_ = false;
  hide();
}

void TSkyHintWindow::paintEvent(QPaintEvent* event) {
  std::vector<TMarkupLine> shown;
  for (std::size_t k = 0; k < lines_.size(); ++k) {
    shown.push_back({lines_[k], kTextLeft + 1, 2 + static_cast<int32_t>(k) * fonts_.height});
  }
  QPainter painter(this);
  PaintMarkupLines(painter, event->rect(), shown, fonts_, palette().color(QPalette::ToolTipBase),
                   palette().color(QPalette::ToolTipText));
  painter.setPen(palette().color(QPalette::ToolTipText));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace velarion::ui
