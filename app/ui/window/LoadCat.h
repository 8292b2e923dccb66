// Start-up loading: the worker thread `TInitWorkThread` that creates every group and puts
// it into the group list, and the progress window `TLoadCatForm` with one log line per
// group. The worker draws nothing itself: each log call, and each group's InitResources
// (which may show the group's own messages and dialogs), runs on the window's thread
// through a blocking call; a log call paints its segment before it returns, since the next
// call, a group's loading, keeps that thread from painting. The worker starts once the
// window is on screen. The window closes only once the worker has ended and been joined,
// so nothing the worker uses goes away under it.
#ifndef VELARION_APP_UI_WINDOW_LOADCAT_H
#define VELARION_APP_UI_WINDOW_LOADCAT_H

#include "GroupLoader.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class QPushButton;

namespace velarion::ui {

struct TLogSegment {
  std::string text;  // CP1251
  uint32_t colour;   // 0x00BBGGRR
  bool operator==(const TLogSegment&) const = default;
};

// The loading itself: given the log and the cancel flag, returns the number of groups the
// saved order placed (TSkySession::LoadGroups in the program).
using TLoadWork = std::function<int32_t(groups::TLoadLog&, const std::atomic<bool>&)>;

class TLoadCatForm;

class TInitWorkThread {
 public:
  // Starts the work at once; `done` runs on the window's thread when the work has returned.
  TInitWorkThread(TLoadCatForm& form, TLoadWork work);
  TInitWorkThread(const TInitWorkThread&) = delete;
  TInitWorkThread& operator=(const TInitWorkThread&) = delete;
  // Joins: the work must have ended (the window waits for it before it closes).
  ~TInitWorkThread();

  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  void Join();

 private:
  std::atomic<bool> terminated_{false};
  std::thread thread_;
};

// The segments of the line being shown, kept for repainting.
class TLogPaintBox final : public QWidget {
 public:
  explicit TLogPaintBox(QWidget* parent);
  void BeginLine(std::string text);
  void AppendSegment(std::string text, uint32_t colour);
  const std::vector<TLogSegment>& Segments() const { return segments_; }

 protected:
  void paintEvent(QPaintEvent* event) override;  // LogPaintBoxPaint

 private:
  static constexpr std::size_t kMaxSegments = 10;
  std::vector<TLogSegment> segments_;
};

class TLoadCatForm final : public QDialog {
 public:
  // `paced`: lines stay readable (30 ms, 500 ms after an error, 500 ms at the end).
  TLoadCatForm(QWidget* owner, TLoadWork work, bool paced);
  ~TLoadCatForm() override;

  int32_t PlacedGroupCount() const { return placedGroupCount_; }
  bool Finished() const { return finished_; }
  bool Cancelled() const { return cancelled_; }
  const std::vector<TLogSegment>& Segments() const { return logBox_->Segments(); }
  // Every line shown, as "name...OK" (for the console and the tests).
  const std::vector<std::string>& Lines() const { return lines_; }

  void StopBtnClick();
  // Esc: refused like closing while the worker runs.
  void reject() override;

  // Called by the worker's log on this window's thread.
  void LogBeginLine(std::string text);
  void LogAppendSegment(std::string text, uint32_t colour);
  bool InitGroupResources(groups::TSkyObjectGroup& group);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // FormCloseQuery

 private:
  void StartThreadSoon();
  void StartThread();
  friend class TInitWorkThread;
  // The completion handler, on this thread once the work has returned.
  void LogCompleted(int32_t placed);

  TLoadWork work_;
  bool paced_;
  TLogPaintBox* logBox_;
  QPushButton* stopBtn_;
  QImage titleImage_;
  std::unique_ptr<TInitWorkThread> thread_;
  int32_t placedGroupCount_ = 0;
  bool finished_ = false;
  bool cancelled_ = false;
  std::vector<std::string> lines_;
};

}  // namespace velarion::ui

#endif
