#include "LoadCat.h"

#include "Concat.h"
#include "Cp1251.h"
#include "Dialogs.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace velarion::ui {

namespace {

constexpr int kClientWidth = 256;
constexpr int kClientHeight = 85;
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

// The title picture: the program's name as the loading window has always shown it.
QImage TitleImage() {
  QImage image(140, 36, QImage::Format_RGB32);
  image.fill(QColor(0, 0, 64));
  QPainter painter(&image);
  QFont font(QStringLiteral("Sans"), 16, QFont::Bold);
  painter.setFont(font);
  painter.setPen(QColor(255, 220, 120));
  painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Velarion 5.72"));
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
  setFixedSize(250, 15);
  QFont font(QStringLiteral("Sans"));
  font.setPointSize(8);
  setFont(font);
}

void TLogPaintBox::BeginLine(std::string text) {
  segments_.assign(1, {std::move(text), groups::kLogNameColour});
  update();
}

void TLogPaintBox::AppendSegment(std::string text, uint32_t colour) {
  if (segments_.size() >= kMaxSegments) return;
  segments_.push_back({std::move(text), colour});
  update();
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

TLoadCatForm::TLoadCatForm(QWidget* owner, TLoadWork work, bool paced)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      work_(std::move(work)),
      paced_(paced),
      logBox_(nullptr),
      stopBtn_(nullptr),
      titleImage_(TitleImage()) {
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(0, 0, kClientWidth, kClientHeight);

  auto* title = new QLabel(panel);  // VLTitlePB: the picture centred in its box
  title->setObjectName(QStringLiteral("VLTitlePB"));
  title->setGeometry(2, 2, 151, 47);
  title->setAlignment(Qt::AlignCenter);
  title->setPixmap(QPixmap::fromImage(titleImage_));

  stopBtn_ = new QPushButton(Text(velplatform::Cp1251("О&тмена")), panel);
  stopBtn_->setObjectName(QStringLiteral("StopBtn"));
  stopBtn_->setGeometry(166, 14, 73, 20);
  connect(stopBtn_, &QPushButton::clicked, this, [this] { StopBtnClick(); });

  auto* caption = new QLabel(Text(velplatform::Cp1251("Инициализация групп объектов:")), panel);
  caption->setGeometry(4, 50, 248, 14);
  caption->setStyleSheet(QStringLiteral("color: #008080; font-weight: bold;"));

  auto* strip = new QFrame(panel);
  strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  strip->setGeometry(2, 66, 252, 17);
  logBox_ = new TLogPaintBox(strip);
  logBox_->setObjectName(QStringLiteral("LogPaintBox"));
  logBox_->move(1, 1);

  // Centred over the owner, never off the top-left of the screen.
  if (owner != nullptr) {
    const QPoint origin = owner->mapToGlobal(QPoint(0, 0));
    move(std::max(0, origin.x() + (owner->width() - kClientWidth) / 2),
         std::max(0, origin.y() + (owner->height() - kClientHeight) / 2));
  }
}

TLoadCatForm::~TLoadCatForm() = default;

void TLoadCatForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The worker begins once the window is on screen and the modal loop waits for input.
  if (!thread_) QTimer::singleShot(0, this, [this] { StartThread(); });
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
