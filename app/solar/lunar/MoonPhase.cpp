#include "MoonPhase.h"

#include "AngleUtils.h"
#include "BodyPosition.h"
#include "velastro.h"

#include <cmath>

namespace velarion::lunar {

namespace {

constexpr double kConverged = 0.0002;  // degrees: about 1.4 seconds of time
// From any start the secant meets the tolerance in well under ten steps.
constexpr int kMaxSteps = 40;
constexpr double kSlowestRate = 8.0;
constexpr double kFastestRate = 18.0;

}  // namespace

double PhaseOffsetDeg(TMainPhase phase, double mjdTt) {
  const double t = GetT(mjdTt);
  const solar::TBodyPosition sun = solar::ComputeBodyPosition(solar::kSun, true, true, t);
  const solar::TBodyPosition moon = solar::ComputeBodyPosition(solar::kMoon, true, true, t);
  double d = sky::Reduce360(moon.longitudeDeg) -
             sky::Reduce360(sun.longitudeDeg + 90.0 * static_cast<int>(phase));
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d;
}

std::optional<double> FindPhaseCrossing(const std::function<double(double)>& offsetDeg,
                                        double startMjdTt) {
  double t = startMjdTt;
  std::optional<double> previousT;
  double previousD = 0.0;
  for (int step = 0; step < kMaxSteps; ++step) {
    const double d = offsetDeg(t);
    if (!std::isfinite(d) || !std::isfinite(t)) return std::nullopt;
    if (std::fabs(d) < kConverged) return t;
    double rate = kMeanElongationRate;
    if (previousT && t != *previousT) {
      const double secant = (d - previousD) / (t - *previousT);
      if (secant >= kSlowestRate && secant <= kFastestRate) rate = secant;
    }
    previousT = t;
    previousD = d;
    t -= d / rate;
  }
  return std::nullopt;
}

std::optional<double> FindMoonPhase(TMainPhase phase, double startMjdTt) {
  return FindPhaseCrossing([phase](double t) { return PhaseOffsetDeg(phase, t); }, startMjdTt);
}

}  // namespace velarion::lunar
