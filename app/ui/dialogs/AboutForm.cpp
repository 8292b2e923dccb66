#include "AboutForm.h"

#include "Concat.h"
#include "Cp1251.h"
#include "DialogFields.h"

namespace velarion::ui {

using velplatform::TControlKind;

velplatform::TDialogLayout TAboutForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("О программе");
  layout.width = 180;
  layout.height = 80;
  layout.controls = {
      Control(kTitleLabel, TControlKind::kLabel, {10, 8, 160, 10}, kAboutVersion),
      Control(0, TControlKind::kLabel, {10, 22, 160, 10},
              "Планетарий для персонального компьютера"),
      Control(kMailLabel, TControlKind::kLabel, {10, 38, 160, 10},
              velplatform::Concat({"E-mail: ", kAuthorMail})),
      Control(1, TControlKind::kOkButton, {60, 58, 60, 16}, "Ok"),
  };
  return layout;
}

void ShowAboutForm(velplatform::TWindowHandle owner) {
  TAboutForm form;
  velplatform::RunDialog(owner, TAboutForm::Layout(), form);
}

}  // namespace velarion::ui
