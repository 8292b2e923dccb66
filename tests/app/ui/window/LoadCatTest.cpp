#include "LoadCat.h"

#include <QPushButton>
#include <QThread>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace velarion::ui
