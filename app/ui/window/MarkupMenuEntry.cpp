#include "MarkupMenuEntry.h"

#include "MarkupText.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QWidgetAction>

namespace velarion::ui {

namespace {

class TMarkupEntry final : public QWidget {
 public:
  TMarkupEntry(QWidget* parent, std::string caption, TMarkupFonts fonts,
               std::function<void()> chosen)
      : QWidget(parent),
        caption_(std::move(caption)),
        fonts_(std::move(fonts)),
        chosen_(std::move(chosen)) {
    setMouseTracking(true);
    // Room for the menu's check mark before the caption, as its other entries have.
    left_ = style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6;
    setMinimumSize(left_ + MarkupTextWidth(caption_, fonts_) + 12, fonts_.height + 4);
  }

 protected:
  void enterEvent(QEnterEvent*) override { SetHighlighted(true); }
  void leaveEvent(QEvent*) override { SetHighlighted(false); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    // The menus close first: what is chosen may open a window of its own.
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
      if (auto* menu = qobject_cast<QMenu*>(w)) menu->close();
    }
    if (chosen_) chosen_();
  }
  void paintEvent(QPaintEvent* event) override {
    const TMarkupLine line{caption_, left_, 2};
    QPainter painter(this);
    const QPalette::ColorRole back = highlighted_ ? QPalette::Highlight : QPalette::Window;
    const QPalette::ColorRole text =
        highlighted_ ? QPalette::HighlightedText : QPalette::WindowText;
    PaintMarkupLines(painter, event->rect(), std::span(&line, 1), fonts_, palette().color(back),
                     palette().color(text));
  }

 private:
  void SetHighlighted(bool on) {
    highlighted_ = on;
    update();
  }

  std::string caption_;
  TMarkupFonts fonts_;
  std::function<void()> chosen_;
  int left_ = 0;
  bool highlighted_ = false;
};

}  // namespace

QWidgetAction* AddMarkupEntry(QMenu& menu, std::string caption, bool bold,
                              const TMarkupFonts& fonts, std::function<void()> chosen) {
  if (bold) {
    caption = std::string(1, sky::kMarkupBoldOn) + caption + std::string(1, sky::kMarkupBoldOff);
  }
  auto* action = new QWidgetAction(&menu);
  action->setDefaultWidget(new TMarkupEntry(&menu, std::move(caption), fonts, std::move(chosen)));
  menu.addAction(action);
  return action;
}

}  // namespace velarion::ui
