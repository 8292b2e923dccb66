#include "GridSteps.h"

#include <algorithm>

namespace velarion::ui {

int32_t CorrectArcminuteStep(int32_t arcminutes) { return std::clamp(arcminutes, 1, 1800); }

int32_t CorrectRaStep(int32_t seconds) {
  const int32_t clamped = std::clamp(seconds, 6, 7200);
  return clamped - clamped % 6;
}

}  // namespace velarion::ui
