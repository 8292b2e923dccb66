#include "SetAzimuthAngle.h"

#include "Cp1251.h"
#include "DialogFields.h"

#include <array>
#include <string>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr std::array<const char*, 4> kPointTexts = {"С", "В", "Ю", "З"};

}  // namespace

TSetAzimuthAngle::TSetAzimuthAngle(double azimuthRotationDeg, bool azimuthFromSouth, bool mirror)
    : rotation_(azimuthRotationDeg), fromSouth_(azimuthFromSouth), mirror_(mirror) {}

velplatform::TDialogLayout TSetAzimuthAngle::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Поворот изображения");
  layout.width = 150;
  layout.height = 64;
  layout.controls = {Control(kAngle, TControlKind::kEdit, {4, 4, 40, 12})};
  for (int p = 0; p < 4; ++p) {
    layout.controls.push_back(Control(kFirstPoint + p, TControlKind::kCheckBox,
                                      {50 + p * 24, 4, 22, 12}, kPointTexts[p]));
  }
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {14, 40, 62, 16}, "Установить"));
  layout.controls.push_back(Control(2, TControlKind::kCancelButton, {82, 40, 62, 16}, "Отмена"));
  return layout;
}

void TSetAzimuthAngle::Init(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  controls.SetText(kAngle, std::to_string(ShownRotation(rotation_, fromSouth_, mirror_)));
  ShowPressed(controls);
}

void TSetAzimuthAngle::ShowPressed(TDialogControls& controls) const {
  const int32_t value = FieldInteger(controls, kAngle);
  for (int p = 0; p < 4; ++p) {
    controls.SetChecked(kFirstPoint + p,
                        CompassValue(static_cast<TCompassPoint>(p), fromSouth_) == value);
  }
}

void TSetAzimuthAngle::PutPoint(TDialogControls& controls, TCompassPoint point) {
  controls.SetText(kAngle, std::to_string(CompassValue(point, fromSouth_)));
  ShowPressed(controls);
}

void TSetAzimuthAngle::Changed(TDialogControls& controls, int32_t id) {
  if (updating_) return;
  const TSelfUpdate update(updating_);
  if (id >= kFirstPoint && id < kFirstPoint + 4) {
    PutPoint(controls, static_cast<TCompassPoint>(id - kFirstPoint));
  } else if (id == kAngle) {
    ShowPressed(controls);
  }
}

bool TSetAzimuthAngle::KeyPressed(TDialogControls& controls, const TDialogKey& key) {
  const int digit = key.control ? 0 : ShiftedDigit(key.character);
  if (digit < 1 || digit > 4) return false;
  const TSelfUpdate update(updating_);
  PutPoint(controls, static_cast<TCompassPoint>(digit - 1));
  return true;
}

bool TSetAzimuthAngle::Accept(TDialogControls& controls) {
  rotation_ = AzimuthRotation(FieldInteger(controls, kAngle), fromSouth_, mirror_);
  return true;
}

void ShowSetAzimuthAngle(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                         const sky::TSkyImage& image, TPopupChoice<double> chosen) {
  ShowFormAsPopup<double>(owner, anchor,
                          std::make_shared<TSetAzimuthAngle>(
                              image.ViewRotation(), image.AzimuthFromSouth(), image.Mirror()),
                          &TSetAzimuthAngle::AzimuthRotationDeg, std::move(chosen));
}

}  // namespace velarion::ui
