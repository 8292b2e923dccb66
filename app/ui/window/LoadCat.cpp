#include "LoadCat.h"

#include "Concat.h"
#include "Cp1251.h"
#include "Dialogs.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace velarion::ui {

namespace {

// The sizes the window was designed with; larger fonts make it larger.
constexpr QSize kClientSize(256, 85);
constexpr QSize kTitleBoxSize(151, 47);
constexpr QSize kTitlePictureSize(140, 36);
constexpr int kFinalPauseMs = 500;

QString Text(std::string_view cp1251) {
  return QString::fromStdU16String(velplatform::Cp1251ToUtf16(cp1251));
}

QColor ColourOf(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// Blocks the worker until `call` has run on the window's thread.
template <typename F>
void OnWindowThread(QObject& window, F call) {
  QMetaObject::invokeMethod(&window, std::move(call), Qt::BlockingQueuedConnection);
}

// The worker's log: every call is carried out by the window.
class TWindowLoadLog final : public groups::TLoadLog {
 public:
  explicit TWindowLoadLog(TLoadCatForm& form) : form_(form) {}

  void BeginLine(std::string_view text) override {
    OnWindowThread(form_, [this, line = std::string(text)] { form_.LogBeginLine(line); });
  }
  void AppendSegment(std::string_view text, uint32_t colour) override {
    OnWindowThread(form_, [this, segment = std::string(text), colour] {
      form_.LogAppendSegment(segment, colour);
    });
  }
  // On the window's thread: a group that cannot read its data says so in a message box,
  // and only that thread may show one.
  bool InitResources(groups::TSkyObjectGroup& group) override {
    bool ready = false;
    OnWindowThread(form_, [this, &group, &ready] { ready = form_.InitGroupResources(group); });
    return ready;
  }
  void Beep() override {
    OnWindowThread(form_, [] { velplatform::Beep(); });
  }

 private:
  TLoadCatForm& form_;
};

// The title picture: the program's name as the loading window has always shown it, as large
// as its text needs in the screen's font, so that no letter is cut off.
QImage TitleImage() {
  constexpr int kMarginX = 8;
  constexpr int kMarginY = 4;
  const QString text = QStringLiteral("Velarion 5.72");
  const QFont font(QStringLiteral("Sans"), 16, QFont::Bold);
  const QRect inked = QFontMetrics(font).boundingRect(text);
  const QSize size = QSize(inked.width() + 2 * kMarginX, inked.height() + 2 * kMarginY)
                         .expandedTo(kTitlePictureSize);
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(0, 0, 64));
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(QColor(255, 220, 120));
  painter.drawText(image.rect(), Qt::AlignCenter, text);
  return image;
}

}  // namespace

// ---- TInitWorkThread --------------------------------------------------------------------

TInitWorkThread::TInitWorkThread(TLoadCatForm& form, TLoadWork work) {
  thread_ = std::thread([this, &form, work = std::move(work)] {
    TWindowLoadLog log(form);
    const int32_t placed = work(log, terminated_);
    QMetaObject::invokeMethod(
        &form, [&form, placed] { form.LogCompleted(placed); }, Qt::QueuedConnection);
  });
}

TInitWorkThread::~TInitWorkThread() { Join(); }

void TInitWorkThread::Join() {
  if (thread_.joinable()) thread_.join();
}

// ---- TLogPaintBox -----------------------------------------------------------------------

TLogPaintBox::TLogPaintBox(QWidget* parent) : QWidget(parent) {
  QFont font(QStringLiteral("Sans"));
  font.setPointSize(8);
  setFont(font);
  setMinimumSize(250, std::max(15, fontMetrics().height()));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

// Each change is painted at once: the worker's next call may keep this thread busy with a
// group's loading, and the line must be on screen meanwhile.
void TLogPaintBox::BeginLine(std::string text) {
  segments_.assign(1, {std::move(text), groups::kLogNameColour});
  repaint();
}

void TLogPaintBox::AppendSegment(std::string text, uint32_t colour) {
  if (segments_.size() >= kMaxSegments) return;
  segments_.push_back({std::move(text), colour});
  repaint();
}

void TLogPaintBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  int x = 5;
  for (const TLogSegment& segment : segments_) {
    const QString text = Text(segment.text);
    painter.setPen(ColourOf(segment.colour));
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    x += painter.fontMetrics().horizontalAdvance(text);
  }
}

// ---- TLoadCatForm -----------------------------------------------------------------------

namespace {

QLabel* TitleBox(const QImage& picture, QWidget* parent) {
  auto* title = new QLabel(parent);  // VLTitlePB: the picture centred in its box
  title->setObjectName(QStringLiteral("VLTitlePB"));
  title->setAlignment(Qt::AlignCenter);
  title->setPixmap(QPixmap::fromImage(picture));
  title->setMinimumSize(picture.size().expandedTo(kTitleBoxSize));
  return title;
}

QLabel* Caption(QWidget* parent) {
  auto* caption = new QLabel(Text(velplatform::Cp1251("Инициализация групп объектов:")), parent);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  QPalette teal = caption->palette();
  teal.setColor(QPalette::WindowText, QColor(0, 128, 128));
  caption->setPalette(teal);
  return caption;
}

}  // namespace

TLoadCatForm::TLoadCatForm(QWidget* owner, TLoadWork work, bool paced)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      work_(std::move(work)),
      paced_(paced),
      logBox_(nullptr),
      stopBtn_(nullptr),
      titleImage_(TitleImage()) {
  setModal(true);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setMinimumSize(kClientSize);

  stopBtn_ = new QPushButton(Text(velplatform::Cp1251("О&тмена")), panel);
  stopBtn_->setObjectName(QStringLiteral("StopBtn"));
  stopBtn_->setMinimumSize(73, 20);
  connect(stopBtn_, &QPushButton::clicked, this, [this] { StopBtnClick(); });

  auto* strip = new QFrame(panel);
  strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  logBox_ = new TLogPaintBox(strip);
  logBox_->setObjectName(QStringLiteral("LogPaintBox"));
  auto* stripLayout = new QVBoxLayout(strip);
  stripLayout->setContentsMargins(1, 1, 1, 1);
  stripLayout->addWidget(logBox_);

  // Laid out from the picture's and the texts' own sizes, never smaller than designed.
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(1);
  grid->addWidget(TitleBox(titleImage_, panel), 0, 0);
  grid->addWidget(stopBtn_, 0, 1, Qt::AlignCenter);
  grid->addWidget(Caption(panel), 1, 0, 1, 2);
  grid->addWidget(strip, 2, 0, 1, 2);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  outer->addWidget(panel);
  outer->activate();

  // Centred over the owner, never off the top-left of the screen.
  if (owner != nullptr) {
    const QPoint origin = owner->mapToGlobal(QPoint(0, 0));
    move(std::max(0, origin.x() + (owner->width() - width()) / 2),
         std::max(0, origin.y() + (owner->height() - height()) / 2));
  }
}

TLoadCatForm::~TLoadCatForm() = default;

void TLoadCatForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The worker begins once the window is on screen: from then on this thread is mostly
  // busy with the groups' loading, and a window not yet painted would stay blank.
  if (windowHandle()->isExposed()) {
    StartThreadSoon();
  } else {
    windowHandle()->installEventFilter(this);
  }
}

bool TLoadCatForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    windowHandle()->removeEventFilter(this);
    StartThreadSoon();  // after the window has handled the exposure: painted it
  }
  return QDialog::eventFilter(watched, event);
}

void TLoadCatForm::StartThreadSoon() {
  QTimer::singleShot(0, this, [this] { StartThread(); });
}

void TLoadCatForm::StartThread() {
  if (thread_) return;
  thread_ = std::make_unique<TInitWorkThread>(*this, work_);
}

void TLoadCatForm::StopBtnClick() {
  if (thread_) thread_->Terminate();
  cancelled_ = true;
}

void TLoadCatForm::closeEvent(QCloseEvent* event) {
  if (finished_) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TLoadCatForm::reject() {
  if (finished_) QDialog::reject();
}

void TLoadCatForm::LogBeginLine(std::string text) {
  lines_.push_back(text);
  logBox_->BeginLine(std::move(text));
}

void TLoadCatForm::LogAppendSegment(std::string text, uint32_t colour) {
  if (!lines_.empty()) lines_.back() += text;
  logBox_->AppendSegment(std::move(text), colour);
}

bool TLoadCatForm::InitGroupResources(groups::TSkyObjectGroup& group) {
  // Disabled meanwhile, so that a press of the cancel button waits for the next group.
  const bool wasEnabled = isEnabled();
  setEnabled(false);
  const bool ready = group.InitResources(reinterpret_cast<velplatform::TWindowHandle>(this));
  setEnabled(wasEnabled);
  return ready;
}

void TLoadCatForm::LogCompleted(int32_t placed) {
  thread_->Join();
  finished_ = true;
  placedGroupCount_ = placed;
  if (thread_->Terminated()) {
    done(QDialog::Rejected);
    return;
  }
  thread_->Terminate();  // the window may close now
  QTimer::singleShot(paced_ ? kFinalPauseMs : 0, this, [this] { done(QDialog::Accepted); });
}

}  // namespace velarion::ui
