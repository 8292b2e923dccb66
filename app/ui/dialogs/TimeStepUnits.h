// The standard units of the time step and the recognition of a step as a whole number of
// one of them.
#ifndef VELARION_APP_UI_DIALOGS_TIMESTEPUNITS_H
#define VELARION_APP_UI_DIALOGS_TIMESTEPUNITS_H

#include "Units.h"

#include <array>
#include <cstdint>
#include <optional>

namespace velarion::ui {

enum class TTimeUnit : uint8_t { kSecond, kMinute, kHour, kSiderealDay, kSolarDay, kSynodicMonth };
inline constexpr int kTimeUnits = 6;

// Days per unit, in the order of TTimeUnit.
inline constexpr std::array<double, kTimeUnits> kTimeUnitDays = {1.0 / velcommon::kSecondsPerDay,
                                                                 0.0006944444444444445,
                                                                 0.041666666666666664,
                                                                 velcommon::kSiderealDay,
                                                                 1.0,
                                                                 velcommon::kDaysPerSynodicMonth};

inline double UnitDays(TTimeUnit unit) { return kTimeUnitDays[static_cast<std::size_t>(unit)]; }

struct TUnitMatch {
  TTimeUnit unit;
  int32_t multiplier;
  bool operator==(const TUnitMatch&) const = default;
};

// From the synodic month down to the second, the first unit of which the step is a whole
// multiple 1 … 999 within half a second; none when there is no such unit.
std::optional<TUnitMatch> DetectTimeUnit(double stepDays);

// A step as whole days and the seconds of the rest; the seconds never reach a whole day.
struct TDaysAndSeconds {
  int64_t days;
  int32_t seconds;
};
TDaysAndSeconds SplitStep(double stepDays);

}  // namespace velarion::ui

#endif
