#include "HeadlessView.h"

#include "IniAccess.h"
#include "StateOfView.h"

#include <atomic>
#include <cmath>
#include <cstdlib>

namespace velarion::ui {

namespace {

// The state's point of view: in the detailed view the disc is moved so that the point lies
// in the middle of the picture (the quick view keeps the whole disc centred).
void CentreOnStatePoint(const TExportOptions& options, const TStateSkyPoint& point,
                        sky::TSkyImage& image) {
  if (!image.DetailedView()) return;
  const auto offset = [&](double fraction, double scale) {
    return static_cast<int32_t>(std::lround(image.Radius() * fraction * scale));
  };
  image.SetViewRect(options.width, options.height, offset(point.x, 1.0) - options.width / 2,
                    offset(point.y, image.YScale()) - options.height / 2, false, false);
  image.UpdateLayout(image.Zoom());
}

void ApplyView(const TExportOptions& options, const std::optional<TStateFile>& state,
               TSkySession& session) {
  sky::TSkyImage& image = session.Image();
  std::optional<TStateSkyPoint> statePoint;
  if (state) {
    statePoint =
        ApplyState(*state, {image, session.Configuration().sky.autoRotation, session.Groups()})
            .skyPoint;
  }
  if (options.place) {
    image.SetLatitude(options.place->latitude);
    image.SetLongitude(options.place->longitude);
    if (options.place->timeZone) {
      image.SetTimeZoneAutomatic(false);
      image.SetTimeZone(*options.place->timeZone);
    }
  }
  if (options.time) {
    image.SetLocalTime(*options.time);
  } else if (!state || !state->mjdUt) {
    image.SetTimeNow();
  }
  const int32_t stateZoom = statePoint ? statePoint->zoom : 100;
  image.SetPictureView(options.width, options.height, options.zoom.value_or(stateZoom));
  if (statePoint && !options.zoom) CentreOnStatePoint(options, *statePoint, image);
}

// No window is shown, so no display is needed even when there is one; set before the
// session makes its first picture.
sky::TScreenMetrics OffScreen(const TExportOptions& options) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // At zoom 100 the horizon disc is as high as the picture.
  return {96.0, 96.0, options.height - 3, 16};
}

}  // namespace

TSettingsLeftAlone::TSettingsLeftAlone() { sky::SetSettingsWritable(false); }
TSettingsLeftAlone::~TSettingsLeftAlone() { sky::SetSettingsWritable(true); }

THeadlessView::THeadlessView(const TExportOptions& options, const std::string& programFolder,
                             groups::TLoadLog& log, const std::optional<TStateFile>& state)
    : session_(programFolder, OffScreen(options), sky::SystemClock()) {
  const std::atomic<bool> terminated{false};
  session_.ShowInOfferedModes(session_.LoadGroups(log, false, terminated));
  ApplyView(options, state, session_);
}

}  // namespace velarion::ui
