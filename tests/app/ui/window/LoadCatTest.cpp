#include "LoadCat.h"

#include "Cp1251.h"
#include "StdGroup.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace velarion::ui {
namespace {

using TLines = std::vector<std::string>;

// A loading of `count` groups named G1, G2, …: each line is its name and "OK", and the
// cancel flag is looked at before each further group, as the plug-in scan does.
struct TFakeLoad {
  int count = 3;
  int32_t placed = 2;
  std::function<void(int)> duringGroup;  // on the worker, between the name and "OK"

  TLoadWork Work() {
    return [this](groups::TLoadLog& log, const std::atomic<bool>& terminated) {
      for (int i = 1; i <= count; ++i) {
        if (i > 1 && terminated) break;
        log.BeginLine("G" + std::to_string(i) + "...");
        if (duringGroup) duringGroup(i);
        log.AppendSegment("OK", groups::kLogOkColour);
      }
      return placed;
    };
  }
};

TEST(LoadCat, OneLinePerGroupThenClosesWithTheOrderResult) {
  TFakeLoad load;
  TLoadCatForm window(nullptr, load.Work(), false);
  EXPECT_EQ(window.exec(), QDialog::Accepted);
  EXPECT_TRUE(window.Finished());
  EXPECT_EQ(window.Lines(), (TLines{"G1...OK", "G2...OK", "G3...OK"}));
  EXPECT_EQ(window.Segments(), (std::vector<TLogSegment>{{"G3...", groups::kLogNameColour},
                                                         {"OK", groups::kLogOkColour}}));
  EXPECT_EQ(window.PlacedGroupCount(), 2);
}

TEST(LoadCat, CancelStopsAfterTheCurrentGroupAndTheWindowStaysUntilTheThreadEnds) {
  TFakeLoad load;
  load.count = 5;
  TLoadCatForm* form = nullptr;
  bool closedWhileRunning = true;
  bool escapedWhileRunning = true;
  load.duringGroup = [&](int group) {
    if (group != 2) return;
    // The user presses cancel while group 2 loads, then tries to close the window.
    QMetaObject::invokeMethod(
        form,
        [&] {
          form->StopBtnClick();
          closedWhileRunning = form->close();
          form->reject();
          escapedWhileRunning = !form->isVisible();
        },
        Qt::BlockingQueuedConnection);
  };
  TLoadCatForm window(nullptr, load.Work(), false);
  form = &window;
  EXPECT_EQ(window.exec(), QDialog::Rejected);
  EXPECT_FALSE(closedWhileRunning);
  EXPECT_FALSE(escapedWhileRunning);
  EXPECT_TRUE(window.Cancelled());
  EXPECT_EQ(window.Lines(), (TLines{"G1...OK", "G2...OK"}));  // group 2 finished, no group 3
  EXPECT_EQ(window.PlacedGroupCount(), 2);  // the order is applied after a cancel too
}

TEST(LoadCat, LogCallsRunOnTheWindowThread) {
  std::vector<bool> workerOnWindowThread;
  TLoadCatForm* form = nullptr;
  TLoadCatForm window(
      nullptr,
      [&](groups::TLoadLog& log, const std::atomic<bool>&) {
        workerOnWindowThread.push_back(QThread::currentThread() == form->thread());
        log.BeginLine("X...");
        return 0;
      },
      false);
  form = &window;
  window.exec();
  EXPECT_EQ(workerOnWindowThread, std::vector<bool>{false});  // the work itself is on the worker
  EXPECT_EQ(window.Lines(), TLines{"X..."});                  // yet its line reached the window
}

// A group whose loading runs `probe`: on the window's thread, where every group loads.
class TProbeGroup final : public kit::TObjectGroup {
 public:
  explicit TProbeGroup(std::function<void()> probe) : probe_(std::move(probe)) {}
  bool InitResources(kit::TWindowHandle owner) override {
    probe_();
    return TObjectGroup::InitResources(owner);
  }

 private:
  std::function<void()> probe_;
};

// What the window shows: the off-screen platform keeps the pixels painted into each window,
// as a display does, and only those (QWidget::grab would paint the widget afresh).
QImage OnScreen(QWidget& window) {
  return window.screen()
      ->grabWindow(window.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

void SaveForALook(const QImage& image, const std::string& name) {
  const char* folder = std::getenv("VELARION_DIALOG_PICTURES");
  if (folder == nullptr || *folder == '\0') return;
  std::filesystem::create_directories(folder);
  image.save(QString::fromStdString((std::filesystem::path(folder) / (name + ".png")).string()));
}

int CountPixels(const QImage& image, const QRect& area, bool (*matches)(QColor)) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += matches(image.pixelColor(x, y));
  }
  return count;
}

bool IsBlackInk(QColor c) { return std::max({c.red(), c.green(), c.blue()}) < 100; }
bool IsGreenInk(QColor c) { return c.green() - std::max(c.red(), c.blue()) > 40; }

// The loading window over a work of `steps`; a step can Look: have a group load that keeps,
// on the window's thread where every group loads, what the window shows at that moment.
class LoadCatOnScreen : public testing::Test {
 protected:
  void Run(std::function<void(groups::TLoadLog&)> steps) {
    window_ = std::make_unique<TLoadCatForm>(
        nullptr,
        [steps = std::move(steps)](groups::TLoadLog& log, const std::atomic<bool>&) {
          steps(log);
          return 0;
        },
        false);
    window_->exec();
  }

  void Look(groups::TLoadLog& log) {
    groups::TStdGroup group(
        kit::MakeGroup<TProbeGroup>([this] { shown_.push_back(OnScreen(*window_)); }));
    log.InitResources(group);
  }

  // Where a child of the window lies in it.
  QRect PlaceOf(const QString& name) const {
    const auto* child = window_->findChild<QWidget*>(name);
    return child == nullptr ? QRect() : QRect(child->mapTo(window_.get(), QPoint()), child->size());
  }

  std::unique_ptr<TLoadCatForm> window_;
  std::vector<QImage> shown_;
};

TEST_F(LoadCatOnScreen, EachSegmentIsShownAsSoonAsItIsLogged) {
  const std::string name = velplatform::Cp1251("Яркие звезды...");
  Run([&](groups::TLoadLog& log) {
    log.BeginLine(name);
    Look(log);  // the group loads: its name alone
    log.AppendSegment("OK", groups::kLogOkColour);
    Look(log);  // the next group's loading begins before its line
  });
  ASSERT_EQ(shown_.size(), 2u);
  SaveForALook(shown_[1], "loading-line");
  for (const QImage& image : shown_) ASSERT_EQ(image.size(), window_->size());
  const QRect box = PlaceOf(QStringLiteral("LogPaintBox"));
  const QFontMetrics metrics =
      window_->findChild<QWidget*>(QStringLiteral("LogPaintBox"))->fontMetrics();
  const int nameEnd =
      box.left() + 5 +
      metrics.horizontalAdvance(QString::fromStdU16String(velplatform::Cp1251ToUtf16(name)));
  const QRect nameArea(QPoint(box.left() + 5, box.top()), QPoint(nameEnd - 1, box.bottom()));
  const QRect okArea(QPoint(nameEnd, box.top()),
                     QSize(metrics.horizontalAdvance(QStringLiteral("OK")), box.height()));
  EXPECT_GT(CountPixels(shown_[0], nameArea, IsBlackInk), 20);
  EXPECT_EQ(CountPixels(shown_[0], box, IsGreenInk), 0);
  EXPECT_GT(CountPixels(shown_[1], nameArea, IsBlackInk), 20);
  EXPECT_GT(CountPixels(shown_[1], okArea, IsGreenInk), 5);  // right after the name
}

TEST_F(LoadCatOnScreen, TheWindowIsShownWholeBeforeTheFirstGroupLoads) {
  Run([&](groups::TLoadLog& log) { Look(log); });
  ASSERT_EQ(shown_.size(), 1u);
  SaveForALook(shown_[0], "loading-start");
  ASSERT_EQ(shown_[0].size(), window_->size());

  // The title picture in the middle of its box, as it is, its text clear of its edges.
  const auto* title = window_->findChild<QLabel*>(QStringLiteral("VLTitlePB"));
  ASSERT_NE(title, nullptr);
  const QImage picture = title->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect titleBox = PlaceOf(QStringLiteral("VLTitlePB"));
  const QRect placed(titleBox.topLeft() + QPoint((titleBox.width() - picture.width()) / 2,
                                                 (titleBox.height() - picture.height()) / 2),
                     picture.size());
  ASSERT_TRUE(window_->rect().contains(placed));
  EXPECT_EQ(shown_[0].copy(placed), picture);
  const QColor background = picture.pixelColor(0, 0);
  const QRect inner = picture.rect().adjusted(1, 1, -1, -1);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (!inner.contains(x, y)) {
        ASSERT_EQ(picture.pixelColor(x, y), background) << x << "," << y;
      }
    }
  }
  // Every text has the room it needs.
  for (const QWidget* text : window_->findChildren<QWidget*>()) {
    if (qobject_cast<const QLabel*>(text) == nullptr &&
        qobject_cast<const QPushButton*>(text) == nullptr)
      continue;
    EXPECT_GE(text->width(), text->sizeHint().width()) << text->objectName().toStdString();
    EXPECT_GE(text->height(), text->sizeHint().height()) << text->objectName().toStdString();
  }
}

}  // namespace
}  // namespace velarion::ui
