#include "HeadlessView.h"

#include "IniAccess.h"
#include "StateOfView.h"

#include <atomic>
#include <cstdlib>

namespace velarion::ui {

namespace {

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
  if (statePoint && !options.zoom) {
    LayOutPictureAt(image, options.width, options.height, *statePoint);
  } else {
    image.SetPictureView(options.width, options.height, options.zoom.value_or(100));
  }
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
