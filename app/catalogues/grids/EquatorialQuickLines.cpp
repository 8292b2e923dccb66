#include "EquatorialLines.h"

#include "AngleUtils.h"
#include "GridSteps.h"
#include "ProjectionExports.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace velarion::catalogues {

namespace {

constexpr int kMaxBisections = 32;

std::optional<TPoint> Project(int32_t raArcmin, int32_t decArcmin) {
  const int32_t ra = ((raArcmin % kFullCircleArcmin) + kFullCircleArcmin) % kFullCircleArcmin;
  TPoint p;
  if (!QuickRaDecToXY(ra, decArcmin, &p.x, &p.y)) return std::nullopt;
  return p;
}

// The last projecting point between a projecting and a failing Dec, to 2 arc-minutes.
TPoint HorizonInDec(int32_t raArcmin, int32_t shown, int32_t hidden, TPoint shownPoint) {
  for (int i = 0; i < kMaxBisections && std::abs(shown - hidden) >= 2; ++i) {
    const int32_t middle = shown + (hidden - shown) / 2;
    if (const auto p = Project(raArcmin, middle)) {
      shown = middle;
      shownPoint = *p;
    } else {
      hidden = middle;
    }
  }
  return shownPoint;
}

// The same in RA, to 1 arc-minute.
TPoint HorizonInRa(int32_t decArcmin, int32_t shown, int32_t hidden, TPoint shownPoint) {
  for (int i = 0; i < kMaxBisections && std::abs(shown - hidden) > 1; ++i) {
    const int32_t middle = shown + (hidden - shown) / 2;
    if (const auto p = Project(middle, decArcmin)) {
      shown = middle;
      shownPoint = *p;
    } else {
      hidden = middle;
    }
  }
  return shownPoint;
}

bool NeverRises(int32_t decArcmin, double latitude) {
  if (latitude >= 0.0) return decArcmin < sky::RoundToInt((latitude - 90.0) * 60.0);
  return decArcmin > sky::RoundToInt((latitude + 90.0) * 60.0);
}

}  // namespace

int32_t QuickSamplingStep(int32_t radius, double yScale) {
  if (radius <= 0) return 0;
  const double step = yScale >= 1.0 ? 20000.0 / radius / yScale : 20000.0 / radius;
  return sky::RoundToInt(step);
}

void BuildQuickHourCircle(TGridLine& line, int32_t raArcmin, int32_t samplingStep,
                          const TEquatorialView& v) {
  line.Reset();
  const int32_t d0 = OutermostDeclination(v.decStep);
  // From the pole above the horizon towards the other one.
  const int32_t direction = v.latitude < 0.0 ? 1 : -1;
  const int32_t start = -direction * d0;
  const int32_t limit = direction * d0;
  const int32_t step = direction * (samplingStep > 0 ? 2 * samplingStep : 2);
  std::optional<int32_t> lastShown;
  std::optional<int32_t> firstHidden;
  TPoint lastPoint;
  for (int32_t d = start; direction * (d - limit) <= 0; d += step) {
    const auto p = Project(raArcmin, d);
    if (!p) {
      firstHidden = d;
      break;
    }
    line.AddPoint(*p);
    lastShown = d;
    lastPoint = *p;
  }
  if (!lastShown) return;
  if (!firstHidden && *lastShown != limit) {
    if (const auto p = Project(raArcmin, limit)) {
      lastPoint = *p;
    } else {
      firstHidden = limit;
    }
  }
  if (firstHidden) lastPoint = HorizonInDec(raArcmin, *lastShown, *firstHidden, lastPoint);
  line.AddPoint(lastPoint);
  line.visible = line.points.Points().size() >= 2;
  const auto equator = Project(raArcmin, 0);
  TPoint label = equator ? *equator : lastPoint;
  // Off the line's end the label would sit on the line: lift it clear.
  if (label != lastPoint) label.y -= v.fontHeight;
  line.labels[0] = label;
}

void BuildQuickDeclinationCircle(TGridLine& line, int32_t decArcmin, const TEquatorialView& v) {
  line.Reset();
  if (NeverRises(decArcmin, v.latitude) || v.radius <= 0) return;
  const double lowerMeridianHours = std::fmod(std::fmod(v.siderealHours + 12.0, 24.0) + 24.0, 24.0);
  const int32_t d = sky::RoundToInt(lowerMeridianHours * 900.0);
  const int64_t divisor = int64_t{v.radius} - int64_t{decArcmin} * v.radius / kQuarterCircleArcmin;
  int32_t step = divisor > 0 ? static_cast<int32_t>(40000 / divisor) : 0;
  if (step <= 0) step = 2;
  std::optional<TPoint> previous;
  int32_t previousRa = d;
  bool first = true;
  for (int32_t offset = 0;; offset = std::min(offset + step, kFullCircleArcmin)) {
    const int32_t ra = d + offset;
    const auto p = Project(ra, decArcmin);
    if (!first && p.has_value() != previous.has_value()) {
      if (p) {
        line.AddPoint(HorizonInRa(decArcmin, ra, previousRa, *p));
      } else {
        line.AddPoint(HorizonInRa(decArcmin, previousRa, ra, *previous));
        line.points.Break();
      }
    }
    if (p) line.AddPoint(*p);
    previous = p;
    previousRa = ra;
    first = false;
    if (offset == kFullCircleArcmin) break;
  }
  line.visible = line.points.Points().size() >= 2;
  const auto lower = Project(d, decArcmin);
  const auto upper = Project(d - kFullCircleArcmin / 2, decArcmin);
  line.labels = {lower ? *lower : kNoLabel, upper ? *upper : kNoLabel};
}

}  // namespace velarion::catalogues
