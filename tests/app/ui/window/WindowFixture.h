// The program's window started off screen in a program folder of its own. Without the
// program's data no group loads and the window works all the same; with it (LinkProgramData)
// the built-in groups and plug-ins of the build load as in the program.
#ifndef VELARION_TESTS_APP_UI_WINDOW_WINDOWFIXTURE_H
#define VELARION_TESTS_APP_UI_WINDOW_WINDOWFIXTURE_H

#include "MainUnit.h"

#include "Cp1251.h"
#include "Dialogs.h"
#include "ProgramFolder.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <stdlib.h>

namespace veltest {

class TWindowFixture : public testing::Test {
 protected:
  TWindowFixture() {
    char pattern[] = "/tmp/velarion-window-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    RecordMessageBoxes();
  }
  ~TWindowFixture() override {
    for (const QPointer<QTimer>& poll : polls_) delete poll.data();  // none outlives its test
    window_.reset();
    velplatform::SetMessageBoxRunner({});
    velplatform::SetDialogRunner({});
    std::filesystem::remove_all(folder_);
  }

  // Message boxes are answered OK and kept as "title: text" in UTF-8.
  void RecordMessageBoxes() {
    velplatform::SetMessageBoxRunner(
        [this](velplatform::TWindowHandle, const velplatform::TMessageBoxRequest& r) {
          messages_.push_back(velplatform::Cp1251ToUtf8(r.title + ": " + r.text));
          return velplatform::TMessageAnswer::kOk;
        });
  }

  // Dialogs shown as the program shows them, as Qt dialogs; message boxes stay recorded.
  void UseRealDialogs() {
    velplatform::InstallQtDialogRunners();
    RecordMessageBoxes();
  }

  // The data files and plug-ins next to the test program, as in the program's folder.
  void LinkProgramData() {
    namespace fs = std::filesystem;
    const fs::path build = velplatform::ProgramFolder();
    for (const fs::directory_entry& entry : fs::directory_iterator(build)) {
      const std::string extension = entry.path().extension().string();
      const bool data = extension == ".dat" || extension == ".DAT" || extension == ".ttf" ||
                        entry.path().filename() == "GroupOrder.def";
      if ((data && entry.is_regular_file()) || entry.path().filename() == "Plugins") {
        fs::create_symlink(entry.path(), fs::path(folder_) / entry.path().filename());
      }
    }
  }

  velarion::ui::TVelarionMainForm& Start() {
    Open();
    return *window_;
  }

  void Open() {
    velarion::ui::TMainFormOptions options;
    options.programFolder = folder_ + "/";
    options.paced = false;
    options.clock = clock_;
    window_ = std::make_unique<velarion::ui::TVelarionMainForm>(std::move(options));
    window_->resize(900, 700);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_->Started(); }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_->ComposeCount() > 0; }));
    // The loading window had the focus; a window manager gives it back, here we do.
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // Runs `act` on the next modal dialog as soon as it shows, from inside its own loop; the
  // watch ends when it acted, when it is deleted, or with the test.
  QPointer<QTimer> WhenModalShows(std::function<void(QWidget&)> act) {
    auto* poll = new QTimer;
    polls_.emplace_back(poll);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible()) return;
      poll->stop();
      poll->deleteLater();
      act(*modal);
    });
    poll->start();
    return poll;
  }

  std::vector<QPointer<QTimer>> polls_;
  std::string folder_;
  velarion::sky::TClockSource clock_ = velarion::sky::SystemClock();
  std::vector<std::string> messages_;
  std::unique_ptr<velarion::ui::TVelarionMainForm> window_;
};

}  // namespace veltest

#endif
