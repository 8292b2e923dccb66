#include "MainRequests.h"

#include "Overloaded.h"

namespace velarion::ui {

namespace {

void HandleDialogClosed(const TDialogClosedRequest& r, TRequestTarget& target) {
  switch (r.command) {
    case kDateTimeCommand:
      if (r.apply) target.SetViewTime(r.mjd);
      break;
    case kRotationCommand:
      target.RepaintIfChanged();
      break;
    case kZoomCommand:
      if (r.apply) target.ZoomAtCentre(r.zoom, r.keepScroll);
      break;
    case kAutoRotationCommand:
      if (r.apply) target.ResetAutoRotationInterval();
      break;
    case kInfoWindowCommand:
      target.InfoWindowClosed();
      break;
    default:  // the time step stored its value itself
      break;
  }
  target.DestroyDialog(r.dialogId);
}

void HandleRefresh(const TRefreshRequest& r, TRequestTarget& target) {
  if (r.recalculate) {
    if (r.groupCode.empty()) {
      target.MarkViewChanged();
    } else {
      // A code that names no shown group recalculates nothing and only repaints.
      target.RecalculateGroup(r.groupCode);
    }
  }
  target.Repaint();
  target.UpdateInfoWindow(false, false, false, false);
}

}  // namespace

void TRequestQueue::Post(TMainRequest request) {
  bool first = false;
  {
    const std::lock_guard lock(mutex_);
    first = pending_.empty();
    pending_.push_back(std::move(request));
  }
  if (first && wake_) wake_();
}

std::vector<TMainRequest> TRequestQueue::TakeAll() {
  const std::lock_guard lock(mutex_);
  std::vector<TMainRequest> taken(std::make_move_iterator(pending_.begin()),
                                  std::make_move_iterator(pending_.end()));
  pending_.clear();
  return taken;
}

bool TRequestQueue::Empty() const {
  const std::lock_guard lock(mutex_);
  return pending_.empty();
}

bool TDialogClosing::Post(TRequestQueue& queue, const TDialogClosedRequest& request) {
  if (posted_) return false;
  posted_ = true;
  queue.Post(request);
  return true;
}

void HandleRequest(const TMainRequest& request, TRequestTarget& target) {
  std::visit(TOverloaded{
                 [&](const TDialogClosedRequest& r) { HandleDialogClosed(r, target); },
                 [&](const TRefreshRequest& r) { HandleRefresh(r, target); },
                 [&](const TShowSelectionRequest& r) {
                   if (r.only && !target.SelectOnly(*r.only)) return;
                   if (r.repaint) target.Repaint();
                   target.UpdateInfoWindow(true, true, true, true);
                 },
                 [&](const TZoomRequest& r) { target.ZoomAround(r); },
                 [&](const TToolBarRequest&) { target.UpdateToolBar(); },
                 [&](const TConsoleToggleRequest&) {
                   target.ToggleConsole();
                   target.ResetConsoleShowRequest();
                 },
                 [&](const TMessageRequest& r) { target.ShowMessage(r.text, r.repaintStatusBar); },
                 [&](const TPathsRequest& r) { target.OpenObjectPaths(r); },
                 [&](const TEphemerisRequest& r) { target.OpenEphemerides(r); },
                 [&](const TAutoRotationOnRequest&) { target.SetAutoRotation(true); },
                 [&](const TRepaintRequest&) {
                   target.Repaint();
                   target.UpdateInfoWindow(false, false, false, false);
                 },
                 [&](const TTrackingRequest& r) { target.SetTracking(r.on); },
             },
             request);
}

}  // namespace velarion::ui
