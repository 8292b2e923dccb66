#include "ConNamesOptions.h"

#include "Cp1251.h"

#include <array>

namespace velarion::catalogues {

namespace {

namespace ids = con_names_options;
using velplatform::Cp1251;
using velplatform::TControlKind;

constexpr std::array<int32_t, 3> kChoices = {ids::kRussian, ids::kLatin, ids::kAbbreviation};

velplatform::TDialogLayout Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Параметры созвездий");
  layout.width = 150;
  layout.height = 90;
  layout.controls = {
      {ids::kFrame, TControlKind::kGroupBox, {6, 4, 138, 58}, Cp1251(" Тип наименований: ")},
      {ids::kRussian, TControlKind::kRadioButton, {14, 16, 120, 10}, Cp1251("Русские")},
      {ids::kLatin, TControlKind::kRadioButton, {14, 30, 120, 10}, Cp1251("Латинские")},
      {ids::kAbbreviation, TControlKind::kRadioButton, {14, 44, 120, 10}, Cp1251("Сокращенные")},
      {ids::kOk, TControlKind::kOkButton, {14, 70, 56, 14}, Cp1251("&Верно")},
      {ids::kCancel, TControlKind::kCancelButton, {80, 70, 56, 14}, Cp1251("&Отмена")},
  };
  return layout;
}

class TNameTypeLogic final : public velplatform::TDialogLogic {
 public:
  explicit TNameTypeLogic(TNameType current) : choice_(current) {}

  void Init(velplatform::TDialogControls& controls) override {
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
      controls.SetChecked(kChoices[i], i == static_cast<std::size_t>(choice_));
    }
  }
  bool Accept(velplatform::TDialogControls& controls) override {
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
      if (controls.Checked(kChoices[i])) choice_ = static_cast<TNameType>(i);
    }
    return true;
  }
  TNameType Choice() const { return choice_; }

 private:
  TNameType choice_;
};

}  // namespace

std::optional<TNameType> EditNameType(velplatform::TWindowHandle owner, TNameType current) {
  TNameTypeLogic logic(current);
  if (!velplatform::RunDialog(owner, Layout(), logic)) return std::nullopt;
  return logic.Choice();
}

}  // namespace velarion::catalogues
