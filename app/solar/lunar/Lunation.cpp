#include "Lunation.h"

namespace velarion::lunar {

namespace {

constexpr double kMonth = velcommon::kDaysPerSynodicMonth;

// Each phase is searched from its mean distance to the full moon.
constexpr std::array<double, kMainPhaseCount> kOffsetFromFull = {-kMonth / 2.0, -kMonth / 4.0, 0.0,
                                                                 kMonth / 4.0};

std::optional<TLunation> FindEach(const std::array<double, kMainPhaseCount>& starts) {
  TLunation lunation;
  for (int k = 0; k < kMainPhaseCount; ++k) {
    const std::optional<double> moment = FindMoonPhase(static_cast<TMainPhase>(k), starts[k]);
    if (!moment) return std::nullopt;
    lunation.mjdTt[k] = *moment;
  }
  return lunation;
}

}  // namespace

std::optional<TLunation> LunationAround(double mjdTt) {
  const std::optional<double> full = FindMoonPhase(TMainPhase::kFullMoon, mjdTt);
  if (!full) return std::nullopt;
  std::array<double, kMainPhaseCount> starts{};
  for (int k = 0; k < kMainPhaseCount; ++k) starts[k] = *full + kOffsetFromFull[k];
  return FindEach(starts);
}

std::optional<TLunation> StepLunation(const TLunation& lunation, int lunations) {
  std::array<double, kMainPhaseCount> starts{};
  for (int k = 0; k < kMainPhaseCount; ++k) starts[k] = lunation.mjdTt[k] + lunations * kMonth;
  return FindEach(starts);
}

}  // namespace velarion::lunar
