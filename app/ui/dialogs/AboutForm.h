// TAboutForm ("О программе"): the program's name, version and the author's mail address.
// Text only: the title picture is not part of this program.
#ifndef VELARION_APP_UI_DIALOGS_ABOUTFORM_H
#define VELARION_APP_UI_DIALOGS_ABOUTFORM_H

#include "Dialogs.h"

#include <string_view>

namespace velarion::ui {

inline constexpr std::string_view kAboutVersion = "Velarion 5.72";
inline constexpr std::string_view kAuthorMail = "velarion@example.org";

class TAboutForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kTitleLabel = 101;
  static constexpr int32_t kMailLabel = 102;
  static velplatform::TDialogLayout Layout();
};

void ShowAboutForm(velplatform::TWindowHandle owner);

}  // namespace velarion::ui

#endif
