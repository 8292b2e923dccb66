#include "GridSteps.h"

#include "AngleUtils.h"

#include <algorithm>
#include <cmath>

namespace velarion::catalogues {

namespace {

// round(numerator / (zoom + offset)) for the automatic steps; a zoom below 0 counts as 0.
int32_t ZoomStep(int32_t zoomPercent, int32_t offset) {
  return sky::RoundToInt(450000.0 / (std::max(zoomPercent, 0) + offset));
}

}  // namespace

int32_t KeepLeadingDigit(int32_t n) {
  int64_t p = 1;
  while (n / p > 9) p *= 10;
  return static_cast<int32_t>(p * (n / p));
}

int32_t SnapDecStep(int32_t arcmin) {
  if (arcmin >= 60) return KeepLeadingDigit(sky::RoundToInt(arcmin / 60.0)) * 60;
  return KeepLeadingDigit(2 * arcmin) / 2;
}

int32_t SnapRaStep(int32_t arcmin) {
  if (arcmin >= 900) return KeepLeadingDigit(sky::RoundToInt(arcmin / 900.0)) * 900;
  if (arcmin > 14) return KeepLeadingDigit(arcmin / 15 * 2) / 2 * 15;
  return KeepLeadingDigit(arcmin / 10 * 2) / 2 * 10;
}

int32_t ManualRaStep(int32_t secondsOfTime) {
  return std::max(secondsOfTime, kMinRaStepSeconds) / 4;
}

int32_t ManualDecStep(int32_t arcmin) { return std::max(arcmin, kMinDecStepArcmin); }

int32_t AutoQuickRaStep(int32_t zoomPercent) {
  return std::max(SnapRaStep(ZoomStep(zoomPercent, 400)), kMinRaStepArcmin);
}

int32_t AutoDecStep(int32_t zoomPercent) {
  return std::max(SnapDecStep(ZoomStep(zoomPercent, 650)), kMinDecStepArcmin);
}

int32_t AutoDetailedRaStep(const kit::TRaDecWindow& window) {
  const double b = std::min(std::max(std::fabs(window.decMin), std::fabs(window.decMax)), 90.0);
  const double width = std::max(window.raMax - window.raMin, 0.0);
  const double step = (std::sqrt(8100.0 - b * b) / 12.0 + 1.0) * width * 0.025 * 60.0;
  return std::max(SnapRaStep(sky::RoundToInt(std::min(step, 1.0e9))), kMinRaStepArcmin);
}

int32_t FullCircleLineCount(int32_t stepArcmin) {
  const int32_t step = std::max(stepArcmin, 1);
  return kFullCircleArcmin / step + (step / 2 < kFullCircleArcmin % step ? 1 : 0);
}

int32_t DeclinationCircleCount(int32_t stepArcmin) {
  const int32_t step = std::max(stepArcmin, 1);
  const int32_t perHemisphere = kQuarterCircleArcmin / step;
  return kQuarterCircleArcmin % step != 0 ? 2 * perHemisphere + 1 : 2 * perHemisphere - 1;
}

int32_t AltitudeCircleCount(int32_t stepArcmin) {
  const int32_t step = std::max(stepArcmin, 1);
  return kQuarterCircleArcmin / step - (kQuarterCircleArcmin % step == 0 ? 1 : 0);
}

int32_t OutermostDeclination(int32_t decStepArcmin) {
  const int32_t step = std::max(decStepArcmin, 1);
  const int32_t rest = kQuarterCircleArcmin % step;
  return rest != 0 ? kQuarterCircleArcmin - rest : kQuarterCircleArcmin - step;
}

}  // namespace velarion::catalogues
