#include "SetRotAngleForm.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "Units.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

struct TUnitButton {
  const char* text;
  const char* hint;  // names the unit in full with its key
};

constexpr std::array<TUnitButton, kTimeUnits> kUnitButtons = {{
    {"Секунды", "Секунды (Shift+1)"},
    {"Минуты", "Минуты (Shift+2)"},
    {"Часы", "Часы (Shift+3)"},
    {"Зв. сутки", "Звездные сутки (Shift+4)"},
    {"Гр. сутки", "Гражданские сутки (Shift+5)"},
    {"Син. месяцы", "Синодические месяцы (Shift+6)"},
}};

}  // namespace

TSetRotAngleForm::TSetRotAngleForm(double stepDays)
    : step_(std::min(std::fabs(stepDays), kMaxStepDays)) {}

velplatform::TDialogLayout TSetRotAngleForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Шаг по времени");
  layout.width = 200;
  layout.height = 130;
  layout.controls = {
      Control(0, TControlKind::kLabel, {4, 6, 30, 8}, "дни:"),
      Control(kDays, TControlKind::kEdit, {36, 4, 40, 12}),
      Control(0, TControlKind::kLabel, {4, 22, 30, 8}, "ч,м,с:"),
      Control(kHours, TControlKind::kEdit, {36, 20, 20, 12}),
      Control(kMinutes, TControlKind::kEdit, {60, 20, 20, 12}),
      Control(kSeconds, TControlKind::kEdit, {84, 20, 20, 12}),
      Control(0, TControlKind::kLabel, {120, 6, 10, 8}, "x"),
      Control(kMultiplier, TControlKind::kEdit, {132, 4, 30, 12}),
  };
  for (int u = 0; u < kTimeUnits; ++u) {
    const TUnitButton& button = kUnitButtons[static_cast<std::size_t>(u)];
    layout.controls.push_back(
        WithHint(Control(kFirstUnit + u, TControlKind::kCheckBox,
                         {4 + (u % 2) * 98, 38 + (u / 2) * 14, 96, 12}, button.text),
                 button.hint));
  }
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {66, 110, 62, 16}, "Установить"));
  layout.controls.push_back(Control(2, TControlKind::kCancelButton, {134, 110, 62, 16}, "Отмена"));
  return layout;
}

void TSetRotAngleForm::Init(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  ShowParts(controls);
  ShowUnit(controls, DetectTimeUnit(step_));
}

void TSetRotAngleForm::ShowParts(TDialogControls& controls) const {
  const TDaysAndSeconds parts = SplitStep(step_);
  controls.SetText(kDays, std::to_string(parts.days));
  controls.SetText(kHours, std::to_string(parts.seconds / 3600));
  controls.SetText(kMinutes, std::to_string(parts.seconds / 60 % 60));
  controls.SetText(kSeconds, std::to_string(parts.seconds % 60));
}

void TSetRotAngleForm::ShowUnit(TDialogControls& controls, std::optional<TUnitMatch> match) {
  marked_.reset();
  if (match) marked_ = match->unit;
  for (int u = 0; u < kTimeUnits; ++u) {
    controls.SetChecked(kFirstUnit + u, match && static_cast<int>(match->unit) == u);
  }
  controls.SetText(kMultiplier, match ? std::to_string(match->multiplier) : "");
  controls.SetEnabled(kMultiplier, match.has_value());
}

void TSetRotAngleForm::Changed(TDialogControls& controls, int32_t id) {
  if (updating_) return;
  const TSelfUpdate update(updating_);
  if (id >= kDays && id <= kSeconds) {
    TypedParts(controls);
  } else if (id == kMultiplier) {
    TypedMultiplier(controls);
  } else if (id >= kFirstUnit && id < kFirstUnit + kTimeUnits) {
    // A click on the marked button must not unmark it: every click presses.
    PressUnit(controls, static_cast<TTimeUnit>(id - kFirstUnit));
  }
}

void TSetRotAngleForm::TypedParts(TDialogControls& controls) {
  step_ = std::min(std::fabs(FieldNumber(controls, kDays)) +
                       std::fabs(FieldNumber(controls, kHours)) / 24.0 +
                       std::fabs(FieldNumber(controls, kMinutes)) / 1440.0 +
                       std::fabs(FieldNumber(controls, kSeconds)) / velcommon::kSecondsPerDay,
                   kMaxStepDays);
  ShowUnit(controls, DetectTimeUnit(step_));
}

void TSetRotAngleForm::TypedMultiplier(TDialogControls& controls) {
  // The unit stays the one marked while the multiplier is typed: 600 seconds must not turn
  // into 10 minutes under the user's fingers.
  if (!marked_) return;
  const int32_t multiplier = std::clamp(FieldInteger(controls, kMultiplier), 0, 999);
  step_ = multiplier * UnitDays(*marked_);
  ShowParts(controls);
}

void TSetRotAngleForm::PressUnit(TDialogControls& controls, TTimeUnit unit) {
  step_ = UnitDays(unit);
  ShowUnit(controls, TUnitMatch{unit, 1});
  ShowParts(controls);
}

bool TSetRotAngleForm::KeyPressed(TDialogControls& controls, const TDialogKey& key) {
  const int digit = key.control ? 0 : ShiftedDigit(key.character);
  if (digit == 0) return false;
  const TSelfUpdate update(updating_);
  PressUnit(controls, static_cast<TTimeUnit>(digit - 1));
  return true;
}

bool TSetRotAngleForm::Accept(TDialogControls& controls) {
  if (step_ > 0.0) return true;
  controls.Focus(kDays);
  velplatform::Beep();
  return false;
}

void ShowSetRotAngleForm(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                         double stepDays, TPopupChoice<double> chosen) {
  ShowFormAsPopup<double>(owner, anchor, std::make_shared<TSetRotAngleForm>(stepDays),
                          &TSetRotAngleForm::StepDays, std::move(chosen));
}

}  // namespace velarion::ui
