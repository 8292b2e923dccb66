#include "SelectionBlink.h"

namespace velarion::ui {

bool TSelectionBlink::AfterPaint() {
  if (counter_ == -1) {
    counter_ = 0;
    return true;
  }
  if (counter_ > 0 && counter_ < kToggles) counter_ = counter_ % 2 == 1 ? kToggles - 1 : kToggles;
  return false;
}

bool TSelectionBlink::Tick() {
  if (!Running()) return false;
  ++counter_;
  return true;
}

}  // namespace velarion::ui
