#include "SetZoomForm.h"

#include "Cp1251.h"
#include "DialogFields.h"

#include <string>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

velplatform::TDialogLayout TSetZoomForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Масштаб");
  layout.width = 150;
  layout.height = 44;
  layout.controls = {
      Control(kNewZoom, TControlKind::kEdit, {4, 4, 50, 12}),
      Control(0, TControlKind::kLabel, {56, 6, 10, 8}, "%"),
      Control(kWholeSky, TControlKind::kButton, {82, 4, 64, 14}, "Всё небо"),
      Control(1, TControlKind::kOkButton, {14, 24, 62, 16}, "Установить"),
      Control(2, TControlKind::kCancelButton, {82, 24, 62, 16}, "Отмена"),
  };
  return layout;
}

void TSetZoomForm::Init(TDialogControls& controls) {
  controls.SetText(kNewZoom, std::to_string(choice_.zoom));
}

bool TSetZoomForm::Command(TDialogControls& controls, int32_t id) {
  if (id != kWholeSky) return false;
  choice_ = {100, true};
  controls.SetText(kNewZoom, "100");
  return true;
}

bool TSetZoomForm::Accept(TDialogControls& controls) {
  choice_ = {FieldInteger(controls, kNewZoom), false};
  return true;
}

void ShowSetZoomForm(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                     int32_t zoom, TPopupChoice<TZoomChoice> chosen) {
  ShowFormAsPopup<TZoomChoice>(owner, anchor, std::make_shared<TSetZoomForm>(zoom),
                               &TSetZoomForm::Choice, std::move(chosen));
}

}  // namespace velarion::ui
