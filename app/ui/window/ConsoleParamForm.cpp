#include "ConsoleParamForm.h"

#include "Cp1251.h"
#include "Numbers.h"

#include <algorithm>

namespace velarion::ui {

using velplatform::Cp1251;
using velplatform::TControlKind;

velplatform::TDialogLayout TConsoleParamForm::Layout() {
  return {Cp1251("Настройка параметров консоли"),
          290,
          118,
          {{1, TControlKind::kLabel, {6, 6, 60, 9}, Cp1251("Шрифт:")},
           {kFontList, TControlKind::kComboBox, {6, 16, 150, 12}, ""},
           {2, TControlKind::kLabel, {164, 6, 40, 9}, Cp1251("Размер:")},
           {kSize, TControlKind::kEdit, {164, 16, 40, 12}, ""},
           {kAutoShow,
            TControlKind::kCheckBox,
            {6, 40, 278, 10},
            Cp1251("Автоматически показывать консоль при добавлении данных")},
           {kAutoSave,
            TControlKind::kCheckBox,
            {6, 54, 278, 10},
            Cp1251("Сохранять содержимое консоли при выходе из программы")},
           {3, TControlKind::kOkButton, {89, 94, 50, 14}, Cp1251("&Верно")},
           {4, TControlKind::kCancelButton, {151, 94, 50, 14}, Cp1251("&Отмена")}}};
}

void TConsoleParamForm::Init(velplatform::TDialogControls& controls) {
  controls.SetSorted(kFontList, true);
  for (const std::string& family : families_) controls.AddItem(kFontList, family);
  for (int32_t i = 0; i < controls.ItemCount(kFontList); ++i) {
    if (velplatform::EqualsIgnoringCase(controls.Item(kFontList, i), params_.font.name)) {
      controls.Select(kFontList, i);
    }
  }
  controls.SetText(kSize, std::to_string(params_.font.sizePoints));
  controls.SetChecked(kAutoShow, params_.autoShow);
  controls.SetChecked(kAutoSave, params_.autoSave);
}

bool TConsoleParamForm::Accept(velplatform::TDialogControls& controls) {
  const int32_t chosen = controls.Selected(kFontList);
  if (chosen >= 0) params_.font.name = controls.Item(kFontList, chosen);
  // A size that is no number keeps the old one; the rest is held to what the console shows.
  if (const auto size = velplatform::ParseInteger(controls.Text(kSize))) {
    params_.font.sizePoints =
        static_cast<int32_t>(std::clamp<int64_t>(*size, kMinConsoleFontSize, kMaxConsoleFontSize));
  }
  params_.autoShow = controls.Checked(kAutoShow);
  params_.autoSave = controls.Checked(kAutoSave);
  return true;
}

std::optional<TConsoleParams> ShowConsoleParamForm(velplatform::TWindowHandle owner,
                                                   const TConsoleParams& params,
                                                   std::vector<std::string> families) {
  TConsoleParamForm form(params, std::move(families));
  if (!velplatform::RunDialog(owner, TConsoleParamForm::Layout(), form)) return std::nullopt;
  return form.Params();
}

}  // namespace velarion::ui
