// The options of the bright stars: whether they are drawn in their own colours.
#ifndef VELARION_APP_CATALOGUES_STARS_STAROPTIONSDIALOG_H
#define VELARION_APP_CATALOGUES_STARS_STAROPTIONSDIALOG_H

#include "Dialogs.h"

#include <cstdint>
#include <optional>

namespace velarion::catalogues {

namespace star_options_dialog {
inline constexpr int32_t kUseColours = 101, kOk = 1, kCancel = 2;
}

velplatform::TDialogLayout StarOptionsLayout();

class TStarOptionsLogic final : public velplatform::TDialogLogic {
 public:
  explicit TStarOptionsLogic(bool coloursEnabled) : coloursEnabled_(coloursEnabled) {}
  void Init(velplatform::TDialogControls& controls) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  bool ColoursEnabled() const { return coloursEnabled_; }

 private:
  bool coloursEnabled_;
};

// Shows the dialog; the new choice after OK, none after cancel.
std::optional<bool> AskStarColours(velplatform::TWindowHandle owner, bool coloursEnabled);

}  // namespace velarion::catalogues

#endif
