#include "TimeStepUnits.h"

#include "AngleUtils.h"

#include <cmath>

namespace velarion::ui {

std::optional<TUnitMatch> DetectTimeUnit(double stepDays) {
  constexpr double kHalfSecondDays = 0.5 / velcommon::kSecondsPerDay;
  for (int i = kTimeUnits - 1; i >= 0; --i) {
    const double unit = kTimeUnitDays[static_cast<std::size_t>(i)];
    const double k = sky::RoundTo(stepDays / unit, 0);
    if (k > 0.0 && k < 1000.0 && std::fabs(k * unit - stepDays) < kHalfSecondDays) {
      return TUnitMatch{static_cast<TTimeUnit>(i), static_cast<int32_t>(k)};
    }
  }
  return std::nullopt;
}

TDaysAndSeconds SplitStep(double stepDays) {
  auto days = static_cast<int64_t>(std::floor(stepDays));
  constexpr auto kWholeSecondsPerDay = static_cast<int32_t>(velcommon::kSecondsPerDay);
  auto seconds = static_cast<int32_t>(
      std::lround((stepDays - static_cast<double>(days)) * velcommon::kSecondsPerDay));
  if (seconds >= kWholeSecondsPerDay) {
    ++days;
    seconds -= kWholeSecondsPerDay;
  }
  return {days, seconds};
}

}  // namespace velarion::ui
