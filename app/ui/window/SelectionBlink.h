// The blinking of the selection marks after a search: the marks are XOR drawings, so six
// toggles at 200 ms show and hide them three times.
#ifndef VELARION_APP_UI_WINDOW_SELECTIONBLINK_H
#define VELARION_APP_UI_WINDOW_SELECTIONBLINK_H

#include <cstdint>

namespace velarion::ui {

class TSelectionBlink {
 public:
  static constexpr int32_t kToggles = 6;
  static constexpr int32_t kIntervalMs = 200;

  // Blink once the next paint has drawn the marks.
  void Request() { counter_ = -1; }
  // After a paint (which drew the marks): true when the blink timer is to start. A paint
  // in the middle of blinking leaves at most one toggle, so that the marks end as painted.
  bool AfterPaint();
  // A timer tick: true when the marks are to be toggled; Running() tells whether the timer
  // is still needed.
  bool Tick();
  bool Running() const { return counter_ >= 0 && counter_ < kToggles; }
  int32_t Counter() const { return counter_; }

 private:
  int32_t counter_ = kToggles;  // idle
};

}  // namespace velarion::ui

#endif
