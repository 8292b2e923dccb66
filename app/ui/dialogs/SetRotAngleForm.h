// TSetRotAngleForm: the time step of the rotation in time (RotTime), typed as days and
// hours, minutes, seconds or chosen as a multiple of a standard unit; Shift+1 … 6 press
// the unit buttons on Latin and Cyrillic layouts.
#ifndef VELARION_APP_UI_DIALOGS_SETROTANGLEFORM_H
#define VELARION_APP_UI_DIALOGS_SETROTANGLEFORM_H

#include "DialogKeys.h"
#include "Dialogs.h"
#include "PopupForm.h"
#include "TimeStepUnits.h"

#include <optional>

namespace velarion::ui {

class TSetRotAngleForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kDays = 101;
  static constexpr int32_t kHours = 102;
  static constexpr int32_t kMinutes = 103;
  static constexpr int32_t kSeconds = 104;
  static constexpr int32_t kMultiplier = 105;
  // The button of unit u is kFirstUnit + u (TTimeUnit order: second … synodic month).
  static constexpr int32_t kFirstUnit = 111;
  static constexpr double kMaxStepDays = 100000.0;

  explicit TSetRotAngleForm(double stepDays);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  // A step of 0 would stop the rotation it is meant for: refused.
  bool Accept(velplatform::TDialogControls& controls) override;
  bool KeyPressed(velplatform::TDialogControls& controls, const TDialogKey& key) override;
  double StepDays() const { return step_; }

 private:
  void PressUnit(velplatform::TDialogControls& controls, TTimeUnit unit);
  void TypedParts(velplatform::TDialogControls& controls);
  void TypedMultiplier(velplatform::TDialogControls& controls);
  void ShowParts(velplatform::TDialogControls& controls) const;
  void ShowUnit(velplatform::TDialogControls& controls, std::optional<TUnitMatch> match);

  double step_;
  std::optional<TTimeUnit> marked_;
  bool updating_ = false;
};

// The pop-up beside `anchor`; `chosen` gets the new step in days once applied.
void ShowSetRotAngleForm(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                         double stepDays, TPopupChoice<double> chosen);

}  // namespace velarion::ui

#endif
