// A view and its state file meet here: the chosen parts of the view taken into a
// TStateFile, and a TStateFile applied to the view. What only the window can do after
// applying (zoom about a point, start auto rotation, show the selection, tracking) is
// handed back as a follow-up.
#ifndef VELARION_APP_UI_STATEFILE_STATEOFVIEW_H
#define VELARION_APP_UI_STATEFILE_STATEOFVIEW_H

#include "Configuration.h"
#include "SkyImage.h"
#include "StateFile.h"

#include <optional>

namespace velarion::ui {

// The parts of a view a state touches.
struct TStateView {
  sky::TSkyImage& image;
  TAutoRotation& autoRotation;  // the configuration's
  groups::TGroupList& groups;
};

// What the saving window adds to the view's own state.
struct TStateCapture {
  TStateParts parts{};
  double middleX = 0.0;  // the middle of the window, picture pixels
  double middleY = 0.0;
  bool tracking = false;
  bool autoRotationStart = false;
  std::optional<double> autoRotationStopMjdUt;  // written only with the auto-rotation part
};

struct TStateFollowUp {
  bool anythingApplied = false;
  std::optional<TStateSkyPoint> skyPoint;  // zoom with this point in the middle
  bool startAutoRotation = false;
  bool showSelection = false;
  std::optional<bool> tracking;
  std::optional<double> autoRotationStopMjdUt;
};

TStateFile CaptureState(const TStateView& view, const TStateCapture& capture);

// The point of view with the picture pixel (x, y) in the middle, as the image is laid out.
TStateSkyPoint SkyPointAt(const sky::TSkyImage& image, double x, double y);

// Lays the image out for a picture of width × height at the point's zoom: the quick view
// keeps the whole disc centred, the detailed view puts the point in the middle.
void LayOutPictureAt(sky::TSkyImage& image, int32_t width, int32_t height,
                     const TStateSkyPoint& point);

// Sets what the state holds. Groups named by no group of the list are passed over, as are
// selected objects whose index is not one of their group's objects.
TStateFollowUp ApplyState(const TStateFile& state, const TStateView& view);

}  // namespace velarion::ui

#endif
