// The moment of a main lunar phase: when the Moon's geocentric ecliptic longitude leads the
// Sun's by 0, 90, 180 or 270 degrees (apparent places without nutation, which cancels in
// the difference). Moments are MJD in dynamical time.
#ifndef VELARION_APP_SOLAR_LUNAR_MOONPHASE_H
#define VELARION_APP_SOLAR_LUNAR_MOONPHASE_H

#include "Units.h"

#include <functional>
#include <optional>

namespace velarion::lunar {

enum class TMainPhase { kNewMoon = 0, kFirstQuarter = 1, kFullMoon = 2, kLastQuarter = 3 };
inline constexpr int kMainPhaseCount = 4;

// The Moon's mean daily gain on the Sun, degrees per day.
inline constexpr double kMeanElongationRate = 360.0 / velcommon::kDaysPerSynodicMonth;

// How far (degrees, in (-180, 180]) the Moon is past `phase` at the moment.
double PhaseOffsetDeg(TMainPhase phase, double mjdTt);

// The moment near `startMjdTt` where `offsetDeg` (a phase offset as above, rising about
// 12 degrees a day) crosses 0, by secant steps from the start. A secant slope outside
// 8 .. 18 degrees a day (flat, undefined or taken across the +-180 cut) gives way to the
// mean rate. None when the steps run out before the offset is below 0.0002 degree.
std::optional<double> FindPhaseCrossing(const std::function<double(double)>& offsetDeg,
                                        double startMjdTt);

// The moment of `phase` nearest `startMjdTt` (at most about half a lunation away).
std::optional<double> FindMoonPhase(TMainPhase phase, double startMjdTt);

}  // namespace velarion::lunar

#endif
