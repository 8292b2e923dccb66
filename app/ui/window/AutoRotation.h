// Auto rotation: the view time stepped by a timer, forward or backward by the time step or
// following the clock, until an optional stop moment is reached in the direction of motion.
#ifndef VELARION_APP_UI_WINDOW_AUTOROTATION_H
#define VELARION_APP_UI_WINDOW_AUTOROTATION_H

#include <cstdint>
#include <optional>

namespace velarion::ui {

// "RefInterval" 1 … 6 as the timer interval: 50, 100, 200, 300, 500, 1000 ms (codes out of
// range taken to the nearest end).
int32_t AutoRotationIntervalMs(int32_t code);

struct TAutoRotationParams {
  double timeStepDays = 0.0;
  bool forward = true;    // "RotDirection"
  bool realTime = false;  // "RealTime": the view follows the clock
};

class TAutoRotationState {
 public:
  // The value that has always meant "no stop moment".
  static constexpr double kNoStop = 1.0e9;

  bool On() const { return on_; }
  void SetOn(bool on);
  // A stop moment (MJD UT); kNoStop clears it. Cleared whenever auto rotation stops.
  void SetStop(double mjd) { stopMjd_ = mjd; }
  double Stop() const { return stopMjd_; }

  // One timer tick at view time `mjd` with the clock at `nowMjd`: the new view time, or
  // none when the tick switched auto rotation off because the stop moment was reached.
  // A backward run has reached its stop once the view time is at or before it, a forward
  // or real-time run once it is at or after it.
  std::optional<double> Tick(const TAutoRotationParams& params, double mjd, double nowMjd);

 private:
  bool on_ = false;
  double stopMjd_ = kNoStop;
};

}  // namespace velarion::ui

#endif
