// TSetAutoRParams: the direction of the automatic rotation ("<", ">"), real time, and the
// refresh interval (slider positions 1 … 6: 50, 100, 200, 300, 500, 1000 ms); Ctrl+B,
// Ctrl+F and Ctrl+R act on the three buttons whichever keyboard layout is active, as their
// hints tell.
#ifndef VELARION_APP_UI_DIALOGS_SETAUTORPARAMS_H
#define VELARION_APP_UI_DIALOGS_SETAUTORPARAMS_H

#include "Configuration.h"
#include "DialogKeys.h"
#include "Dialogs.h"
#include "PopupForm.h"

#include <array>
#include <optional>
#include <string>

namespace velarion::ui {

inline constexpr std::array<int32_t, 6> kRefreshIntervalsMs = {50, 100, 200, 300, 500, 1000};

// "0.20 с" for position 3.
std::string RefreshIntervalText(int32_t position);

class TSetAutoRParams final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kBackward = 101;
  static constexpr int32_t kForward = 102;
  static constexpr int32_t kRealTime = 103;
  static constexpr int32_t kInterval = 104;  // the slider
  static constexpr int32_t kIntervalLabel = 105;

  explicit TSetAutoRParams(const TAutoRotation& current) : rotation_(current) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  bool KeyPressed(velplatform::TDialogControls& controls, const TDialogKey& key) override;
  const TAutoRotation& Rotation() const { return rotation_; }

 private:
  void ShowDirection(velplatform::TDialogControls& controls, bool forward);

  TAutoRotation rotation_;
  bool updating_ = false;
};

// The pop-up beside `anchor`; `chosen` gets direction, real time and interval as chosen
// (the time step unchanged) once applied.
void ShowSetAutoRParams(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                        const TAutoRotation& current, TPopupChoice<TAutoRotation> chosen);

}  // namespace velarion::ui

#endif
