// Requests that dialogs and plug-ins post to the main window, handled later from its event
// loop so that nobody re-enters the redraw. A request carries values only (a copied group
// code, an object's group code and number, a dialog's number): whatever it names may be
// gone by the time it is handled.
#ifndef VELARION_APP_UI_WINDOW_MAINREQUESTS_H
#define VELARION_APP_UI_WINDOW_MAINREQUESTS_H

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velarion::ui {

// U + 0: a modeless dialog closed, with what it asks the window to do.
inline constexpr int32_t kTimeStepCommand = 0;      // nothing more: the step is stored
inline constexpr int32_t kDateTimeCommand = 1;      // set the view time (apply)
inline constexpr int32_t kRotationCommand = 2;      // repaint if the view changed
inline constexpr int32_t kZoomCommand = 3;          // zoom about the window centre (apply)
inline constexpr int32_t kInfoWindowCommand = 4;    // the information window closed
inline constexpr int32_t kAutoRotationCommand = 5;  // reset the auto-rotation interval (apply)
struct TDialogClosedRequest {
  int32_t command = kTimeStepCommand;
  bool apply = false;
  int32_t dialogId = 0;
  double mjd = 0.0;         // the date and time
  int32_t zoom = 0;         // the zoom
  bool keepScroll = false;  // the zoom: "Всё небо" keeps the scroll position
};
// U + 1: RefreshSkyImage.
struct TRefreshRequest {
  bool recalculate = false;
  std::string groupCode;  // empty: the whole view
};
// U + 2.
// An object named by its group's code and its number: what it names is looked up again
// when the request is handled, and may be gone by then.
struct TObjectReference {
  std::string groupCode;
  int32_t number = 0;
};
struct TShowSelectionRequest {
  bool repaint = false;
  std::optional<TObjectReference> only{};  // becomes the only selected object first
};
// U + 3: zoom about an image point.
struct TZoomRequest {
  int32_t zoom = 100;
  bool keepScroll = false;
  bool redraw = true;
  int32_t y = 0;
  int32_t x = 0;
};
// U + 4: refresh the tool bar and grid buttons from the sky image.
struct TToolBarRequest {};
// U + 5: toggle the console (text arrived while it was hidden).
struct TConsoleToggleRequest {};
// U + 6: a text for the message panel.
struct TMessageRequest {
  bool repaintStatusBar = false;
  std::string text;  // CP1251
};
// U + 7: the object paths window, for the selection or for one object.
struct TPathsRequest {
  bool forSelection = false;
  TObjectReference object;
};
// U + 8: the ephemeris window; kind 0 or 1 for an object, 2 for the selection.
struct TEphemerisRequest {
  int32_t kind = 2;
  TObjectReference object;
};
// U + 9.
struct TAutoRotationOnRequest {};
// U + 10: repaint and refresh the information window.
struct TRepaintRequest {};
// U + 11.
struct TTrackingRequest {
  bool on = false;
};

using TMainRequest =
    std::variant<TDialogClosedRequest, TRefreshRequest, TShowSelectionRequest, TZoomRequest,
                 TToolBarRequest, TConsoleToggleRequest, TMessageRequest, TPathsRequest,
                 TEphemerisRequest, TAutoRotationOnRequest, TRepaintRequest, TTrackingRequest>;

// The request's number relative to the first user message (0 … 11).
inline int32_t RequestNumber(const TMainRequest& request) {
  return static_cast<int32_t>(request.index());
}

// The window's queue. Posting may happen from any thread; `wake` is called when the
// queue turns non-empty, to schedule handling on the window's thread.
class TRequestQueue {
 public:
  explicit TRequestQueue(std::function<void()> wake = {}) : wake_(std::move(wake)) {}
  void Post(TMainRequest request);
  std::vector<TMainRequest> TakeAll();
  bool Empty() const;

 private:
  std::function<void()> wake_;
  mutable std::mutex mutex_;
  std::deque<TMainRequest> pending_;
};

// A dialog's closing request, posted only the first time: the closing button and the
// closing of the window both end in it.
class TDialogClosing {
 public:
  bool Post(TRequestQueue& queue, const TDialogClosedRequest& request);
  bool Posted() const { return posted_; }

 private:
  bool posted_ = false;
};

// What the main window offers to the requests.
class TRequestTarget {
 public:
  virtual ~TRequestTarget() = default;
  virtual void SetViewTime(double mjd) = 0;
  virtual void RepaintIfChanged() = 0;
  virtual void ZoomAtCentre(int32_t zoom, bool keepScroll) = 0;
  virtual void ZoomAround(const TZoomRequest& request) = 0;
  virtual void ResetAutoRotationInterval() = 0;
  virtual void DestroyDialog(int32_t dialogId) = 0;
  // True when a group of that code exists, is enabled in the current mode and was
  // recalculated.
  virtual bool RecalculateGroup(const std::string& code) = 0;
  virtual void MarkViewChanged() = 0;
  virtual void Repaint() = 0;
  virtual void UpdateToolBar() = 0;
  virtual void ToggleConsole() = 0;
  virtual void ResetConsoleShowRequest() = 0;
  virtual void ShowMessage(const std::string& text, bool repaintStatusBar) = 0;
  virtual void SetAutoRotation(bool on) = 0;
  virtual void SetTracking(bool on) = 0;
  // The information window: made when asked and something is selected, refreshed when open.
  virtual void UpdateInfoWindow(bool create, bool show, bool scrollToTop, bool focus) = 0;
  // It was closed: its placement is remembered and it goes.
  virtual void InfoWindowClosed() = 0;
  // The object becomes the only one selected; false when it is gone.
  virtual bool SelectOnly(const TObjectReference& object) = 0;
  // The object paths and ephemeris windows, opened for an object or the selection.
  virtual void OpenObjectPaths(const TPathsRequest& request) = 0;
  virtual void OpenEphemerides(const TEphemerisRequest& request) = 0;
};

// What each request changes.
void HandleRequest(const TMainRequest& request, TRequestTarget& target);

}  // namespace velarion::ui

#endif
