#include "AutoRotation.h"

#include <algorithm>
#include <array>

namespace velarion::ui {

namespace {

constexpr std::array<int32_t, 6> kIntervalsMs{50, 100, 200, 300, 500, 1000};

}  // namespace

int32_t AutoRotationIntervalMs(int32_t code) {
  return kIntervalsMs[static_cast<std::size_t>(std::clamp(code, 1, 6) - 1)];
}

void TAutoRotationState::SetOn(bool on) {
  on_ = on;
  if (!on) stopMjd_ = kNoStop;
}

std::optional<double> TAutoRotationState::Tick(const TAutoRotationParams& params, double mjd,
                                               double nowMjd) {
  if (!on_) return std::nullopt;
  const bool backward = !params.realTime && !params.forward;
  if (stopMjd_ != kNoStop && (backward ? mjd <= stopMjd_ : mjd >= stopMjd_)) {
    SetOn(false);
    return std::nullopt;
  }
  if (params.realTime) return nowMjd;
  return backward ? mjd - params.timeStepDays : mjd + params.timeStepDays;
}

}  // namespace velarion::ui
