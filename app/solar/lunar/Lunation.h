// The four main phases of one lunation: the full moon nearest a moment, the new moon and
// first quarter before it and the last quarter after it. Moments are MJD, dynamical time.
#ifndef VELARION_APP_SOLAR_LUNAR_LUNATION_H
#define VELARION_APP_SOLAR_LUNAR_LUNATION_H

#include "MoonPhase.h"

#include <array>
#include <optional>

namespace velarion::lunar {

struct TLunation {
  std::array<double, kMainPhaseCount> mjdTt{};  // indexed by TMainPhase

  double At(TMainPhase phase) const { return mjdTt[static_cast<int>(phase)]; }
};

// The lunation around the full moon nearest `mjdTt`; none when a phase is not found.
std::optional<TLunation> LunationAround(double mjdTt);

// Each phase moved by `lunations` synodic months and found again near there.
std::optional<TLunation> StepLunation(const TLunation& lunation, int lunations);

}  // namespace velarion::lunar

#endif
