#include "StarOptionsDialog.h"

#include "Cp1251.h"

namespace velarion::catalogues {
namespace {

namespace ids = star_options_dialog;
using velplatform::Cp1251;
using velplatform::TControlKind;

}  // namespace

velplatform::TDialogLayout StarOptionsLayout() {
  return {Cp1251("Параметры BSC5P"),
          160,
          56,
          {
              {ids::kUseColours,
               TControlKind::kCheckBox,
               {8, 8, 144, 12},
               Cp1251("Использовать цвета звезд")},
              {ids::kOk, TControlKind::kOkButton, {20, 32, 56, 16}, Cp1251("&Верно")},
              {ids::kCancel, TControlKind::kCancelButton, {84, 32, 56, 16}, Cp1251("&Отмена")},
          },
          false};
}

void TStarOptionsLogic::Init(velplatform::TDialogControls& controls) {
  controls.SetChecked(ids::kUseColours, coloursEnabled_);
}

bool TStarOptionsLogic::Accept(velplatform::TDialogControls& controls) {
  coloursEnabled_ = controls.Checked(ids::kUseColours);
  return true;
}

std::optional<bool> AskStarColours(velplatform::TWindowHandle owner, bool coloursEnabled) {
  TStarOptionsLogic logic(coloursEnabled);
  if (!velplatform::RunDialog(owner, StarOptionsLayout(), logic)) return std::nullopt;
  return logic.ColoursEnabled();
}

}  // namespace velarion::catalogues
