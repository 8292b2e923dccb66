#include "DeltaTRule.h"

#include "Units.h"
#include "velastro.h"

#include <cmath>

namespace velarion::lunar {

namespace {

constexpr double kSameDeltaTDays = 1e-6;

double StandardDays(double mjdTt) { return GetDeltat(GetT(mjdTt)) / velcommon::kSecondsPerDay; }

}  // namespace

TDeltaTRule TDeltaTRule::ForView(double mjdUt, double mjdTt) {
  const double viewDays = mjdTt - mjdUt;
  if (std::fabs(viewDays - StandardDays(mjdTt)) < kSameDeltaTDays) return Standard();
  return Fixed(viewDays);
}

double TDeltaTRule::DaysAt(double mjdTt) const {
  return standard_ ? StandardDays(mjdTt) : fixedDays_;
}

}  // namespace velarion::lunar
