#include "InfoForm.h"

#include "Clipboard.h"
#include "Concat.h"
#include "Cp1251.h"
#include "MarkupPainter.h"
#include "OutputConsole.h"
#include "WindowPlacement.h"
#include "WindowTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace velarion::ui {

namespace {

constexpr QSize kDesignSize(349, 227);
constexpr int kWheelStep = 20;  // pixels a wheel notch scrolls
constexpr int kTextLeft = 10;
constexpr int kTitleGap = 14;  // from the title marker's right edge to the title
const QColor kNavy(0, 0, 128);

QFont SmallNavyFont(const QFont& base, bool bold) {
  QFont font = base;
  font.setPointSize(8);
  font.setBold(bold);
  return font;
}

void Navy(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, kNavy);
  palette.setColor(QPalette::ButtonText, kNavy);
  widget.setPalette(palette);
}

// Keys the focused control keeps; every other key belongs to the main window.
bool KeptByControl(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Shift ||
         key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Space;
}

}  // namespace

// The lines, drawn with the sky's marked-up text: Greek letters and symbols as on the map.
class TInfoForm::TPaintBox final : public QWidget {
 public:
  TPaintBox(QWidget* parent, const TInfoForm& form) : QWidget(parent), form_(form) {}
  int titleIndent = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    const std::vector<std::string>& lines = form_.content_.lines;
    const int32_t h = form_.LineHeight();
    std::vector<TMarkupLine> shown;
    shown.reserve(lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const bool title = solar::IsTitleLine(lines[k]);
      shown.push_back({solar::TitleText(lines[k]), title ? titleIndent + kTitleGap : kTextLeft,
                       solar::InfoLineTop(static_cast<int32_t>(k), h)});
    }
    QPainter painter(this);
    PaintMarkupLines(
        painter, event->rect(), shown,
        {velplatform::Utf16ToCp1251(font().family().toStdU16String()), form_.greekFont_, h},
        palette().color(QPalette::Window), palette().color(QPalette::WindowText));
  }

 private:
  const TInfoForm& form_;
};

TInfoForm::TInfoForm(QWidget* owner, std::string greekFont, THooks hooks)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      hooks_(std::move(hooks)),
      greekFont_(std::move(greekFont)) {
  setWindowTitle(Ru("Информация"));
  const QFontInfo info(font());
  lineHeight_ = std::max(1, info.pixelSize());
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // As wide as the window, as high as the content (at least the window).
  scroll_->setWidgetResizable(true);
  box_ = new TPaintBox(scroll_, *this);
  scroll_->setWidget(box_);
  scroll_->viewport()->installEventFilter(this);

  auto* separator = new QFrame(this);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  keepPlacement_ = new QCheckBox(Ru("Сохранять параметры окна"), this);
  const auto button = [this](const char* caption, const char* hint) {
    auto* b = new QPushButton(Ru(caption), this);
    if (hint != nullptr) b->setToolTip(Ru(hint));
    b->installEventFilter(this);
    return b;
  };
  QPushButton* copy = button("Копия", "Скопировать");
  QPushButton* copyToConsole = button("В консоль", "Скопировать в консоль вывода");
  QPushButton* exit = button("&Выход", nullptr);
  exit->setDefault(true);
  connect(copy, &QPushButton::clicked, this, [this] { CopyToClipboard(); });
  connect(copyToConsole, &QPushButton::clicked, this, [this] { CopyToConsole(); });
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
  keepPlacement_->installEventFilter(this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(keepPlacement_);
  buttons->addStretch();
  for (QPushButton* b : {copy, copyToConsole, exit}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 4, 4);
  layout->addWidget(scroll_, 1);
  layout->addWidget(separator);
  layout->addLayout(buttons);

  resize(kDesignSize.expandedTo(sizeHint()));
  setMinimumSize(width(), height() * 2 / 3);
}

void TInfoForm::ClearChildren() {
  // A button may be the one being pressed, its command still running: it goes once idle.
  for (QWidget* child : box_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    child->hide();
    child->deleteLater();
  }
}

void TInfoForm::AddTitleMarkers() {
  int number = 1;
  for (const int32_t top : content_.titleTops) {
    auto* marker = new QLabel(QStringLiteral(">"), box_);
    marker->setObjectName(QStringLiteral("PN%1").arg(number++));
    marker->setFont(SmallNavyFont(font(), true));
    Navy(*marker);
    marker->setFrameStyle(QFrame::Panel | QFrame::Raised);
    marker->setAlignment(Qt::AlignCenter);
    marker->setFocusPolicy(Qt::TabFocus);
    marker->installEventFilter(this);
    marker->setGeometry(kTextLeft, top,
                        marker->fontMetrics().horizontalAdvance(marker->text()) + 10, lineHeight_);
    marker->show();
  }
  if (!content_.titleTops.empty()) {
    box_->titleIndent = box_->findChild<QLabel*>(QStringLiteral("PN1"))->width();
  }
}

void TInfoForm::AddCommandButtons() {
  int number = 1;
  for (const solar::TInfoCommand& command : content_.commands) {
    auto* button = new QPushButton(Q(command.caption), box_);
    button->setObjectName(QStringLiteral("SR%1").arg(number++));
    button->setFont(SmallNavyFont(font(), false));
    Navy(*button);
    button->installEventFilter(this);
    const int width = std::max(button->fontMetrics().horizontalAdvance(button->text()) + 10,
                               button->sizeHint().width());
    button->setGeometry(kTextLeft, command.top, width, solar::InfoButtonHeight(lineHeight_));
    // The command is copied: the content may be rebuilt while it runs.
    connect(button, &QPushButton::clicked, this, [this, command] { hooks_.run(command); });
    button->show();
  }
}

void TInfoForm::Rebuild(std::span<const sky::TSelectedObject> selection, bool scrollToTop) {
  content_ = solar::BuildInfoContent(selection, lineHeight_);
  ClearChildren();
  AddTitleMarkers();
  AddCommandButtons();
  box_->setMinimumHeight(solar::InfoScrollRange(content_));
  if (scrollToTop) scroll_->verticalScrollBar()->setValue(0);
  box_->update();
}

void TInfoForm::Place(const QWidget& owner, const std::optional<TInfoPlacement>& remembered) {
  keepPlacement_->setChecked(remembered.has_value());
  const QScreen* screen = owner.screen();
  if (remembered && screen != nullptr) {
    const QRect free = screen->availableGeometry();
    const auto [left, top, right, bottom] = *remembered;
    const velplatform::TRect r = KeepOnScreen(
        {left, top, right, bottom}, {free.left(), free.top(), free.right() + 1, free.bottom() + 1},
        minimumWidth(), minimumHeight());
    setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return;
  }
  const QRect area = owner.geometry();
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

std::optional<TInfoPlacement> TInfoForm::PlacementToKeep() const {
  if (!keepPlacement_->isChecked()) return std::nullopt;
  const QRect r = geometry();
  return TInfoPlacement{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

void TInfoForm::CopyToClipboard() const {
  velplatform::CopyToClipboard(solar::InfoClipboardText(content_.lines));
}

void TInfoForm::CopyToConsole() const {
  std::string text;
  for (const std::string& line : solar::InfoPlainLines(content_.lines)) text += line + "\r\n";
  solar::WriteToOutputConsole(text);
}

void TInfoForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
  } else if (KeptByControl(event->key()) || !hooks_.passKey(*event)) {
    QWidget::keyPressEvent(event);
  }
}

bool TInfoForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Wheel) {
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    QScrollBar* bar = scroll_->verticalScrollBar();
    bar->setValue(bar->value() + (delta <= 0 ? kWheelStep : -kWheelStep));
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape || !KeptByControl(key->key())) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TInfoForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (hooks_.closed) hooks_.closed();
}

}  // namespace velarion::ui
