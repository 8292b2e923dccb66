#include "SetAutoRParams.h"

#include "Concat.h"
#include "Cp1251.h"
#include "DialogFields.h"
#include "Numbers.h"

#include <algorithm>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

std::string RefreshIntervalText(int32_t position) {
  const int32_t index = std::clamp(position, kMinRefreshIntervalCode, kMaxRefreshIntervalCode) - 1;
  return velplatform::Concat(
      {velplatform::FixedToText(kRefreshIntervalsMs[static_cast<std::size_t>(index)] / 1000.0, 2),
       " ", velplatform::Cp1251("с")});
}

velplatform::TDialogLayout TSetAutoRParams::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Автовращение");
  layout.width = 170;
  layout.height = 80;
  layout.controls = {
      WithHint(Control(kBackward, TControlKind::kCheckBox, {4, 4, 24, 12}, "<"), "Назад (Ctrl+B)"),
      WithHint(Control(kForward, TControlKind::kCheckBox, {30, 4, 24, 12}, ">"), "Вперед (Ctrl+F)"),
      WithHint(Control(kRealTime, TControlKind::kCheckBox, {60, 4, 106, 12}, "Реальное время"),
               "Реальное время (Ctrl+R)"),
      Control(0, TControlKind::kGroupBox, {4, 20, 162, 34}, " Частота обновления изображения: "),
      Control(kInterval, TControlKind::kSlider, {10, 30, 100, 18}),
      Control(kIntervalLabel, TControlKind::kLabel, {116, 34, 44, 10}),
      Control(1, TControlKind::kOkButton, {34, 60, 62, 16}, "Установить"),
      Control(2, TControlKind::kCancelButton, {102, 60, 62, 16}, "Отмена"),
  };
  return layout;
}

void TSetAutoRParams::Init(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  ShowDirection(controls, rotation_.forward);
  controls.SetChecked(kRealTime, rotation_.realTime);
  controls.SetRange(kInterval, kMinRefreshIntervalCode, kMaxRefreshIntervalCode);
  controls.SetPosition(kInterval, rotation_.refreshIntervalCode);
  controls.SetText(kIntervalLabel, RefreshIntervalText(controls.Position(kInterval)));
}

void TSetAutoRParams::ShowDirection(TDialogControls& controls, bool forward) {
  rotation_.forward = forward;
  controls.SetChecked(kForward, forward);
  controls.SetChecked(kBackward, !forward);
}

void TSetAutoRParams::Changed(TDialogControls& controls, int32_t id) {
  if (updating_) return;
  const TSelfUpdate update(updating_);
  // The direction buttons are a pair: a click on either chooses its direction.
  if (id == kForward || id == kBackward) ShowDirection(controls, id == kForward);
  if (id == kInterval) {
    controls.SetText(kIntervalLabel, RefreshIntervalText(controls.Position(kInterval)));
  }
}

bool TSetAutoRParams::KeyPressed(TDialogControls& controls, const TDialogKey& key) {
  const TSelfUpdate update(updating_);
  if (IsControlKey(key, 'b', U'и')) {
    ShowDirection(controls, false);
  } else if (IsControlKey(key, 'f', U'а')) {
    ShowDirection(controls, true);
  } else if (IsControlKey(key, 'r', U'к')) {
    controls.SetChecked(kRealTime, !controls.Checked(kRealTime));
  } else {
    return false;
  }
  return true;
}

bool TSetAutoRParams::Accept(TDialogControls& controls) {
  rotation_.forward = controls.Checked(kForward);
  rotation_.realTime = controls.Checked(kRealTime);
  rotation_.refreshIntervalCode =
      std::clamp(controls.Position(kInterval), kMinRefreshIntervalCode, kMaxRefreshIntervalCode);
  return true;
}

void ShowSetAutoRParams(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                        const TAutoRotation& current, TPopupChoice<TAutoRotation> chosen) {
  ShowFormAsPopup<TAutoRotation>(owner, anchor, std::make_shared<TSetAutoRParams>(current),
                                 &TSetAutoRParams::Rotation, std::move(chosen));
}

}  // namespace velarion::ui
