#include "SolarForm.h"

#include "Cp1251.h"
#include "DialogFields.h"

#include <array>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

// The body switches are the image's visibility positions 5 … 14.

constexpr std::array<const char*, kit::kBodySwitchCount> kBodyNames = {
    "Солнце", "Луна", "Меркурий", "Венера", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун", "Плутон"};

}  // namespace

velplatform::TDialogLayout TSolarForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Объекты Солнечной  Системы");
  layout.width = 200;
  layout.height = 130;
  layout.controls = {
      Control(0, TControlKind::kGroupBox, {100, 2, 96, 104}, " Планеты: "),
      Control(kFirstBody, TControlKind::kCheckBox, {6, 14, 80, 10}, kBodyNames[0]),
      Control(kFirstBody + 1, TControlKind::kCheckBox, {6, 28, 80, 10}, kBodyNames[1]),
  };
  for (int b = 2; b < kit::kBodySwitchCount; ++b) {
    layout.controls.push_back(Control(kFirstBody + b, TControlKind::kCheckBox,
                                      {106, 14 + (b - 2) * 11, 84, 10}, kBodyNames[b]));
  }
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {66, 110, 60, 16}, "В&ерно"));
  layout.controls.push_back(Control(2, TControlKind::kCancelButton, {134, 110, 60, 16}, "О&тмена"));
  return layout;
}

void TSolarForm::Init(TDialogControls& controls) {
  for (int b = 0; b < kit::kBodySwitchCount; ++b)
    controls.SetChecked(kFirstBody + b, (bits_ >> b) & 1U);
}

bool TSolarForm::Accept(TDialogControls& controls) {
  bits_ = 0;
  for (int b = 0; b < kit::kBodySwitchCount; ++b) {
    if (controls.Checked(kFirstBody + b)) bits_ = static_cast<uint16_t>(bits_ | (1U << b));
  }
  return true;
}

bool ShowSolarForm(velplatform::TWindowHandle owner, sky::TSkyImage& image) {
  TSolarForm form(image.BodyBits());
  if (!velplatform::RunDialog(owner, TSolarForm::Layout(), form)) return false;
  for (int b = 0; b < kit::kBodySwitchCount; ++b) {
    image.SetObjectVisible(sky::visibility::kFirstBody + b, (form.BodyBits() >> b) & 1U);
  }
  return true;
}

}  // namespace velarion::ui
