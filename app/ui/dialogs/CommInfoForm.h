// TCommInfo: "Общая информация", the moment and the place of the view in two framed panels,
// with buttons that copy them to the clipboard and to the output console.
#ifndef VELARION_APP_UI_DIALOGS_COMMINFOFORM_H
#define VELARION_APP_UI_DIALOGS_COMMINFOFORM_H

#include "CommInfo.h"
#include "Dialogs.h"

#include <vector>

namespace velarion::ui {

class TCommInfo final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kFirstCaption = 101;  // a caption line each
  static constexpr int32_t kFirstValue = 121;    // a value each, in the rows' order
  static constexpr int32_t kCopy = 131;
  static constexpr int32_t kCopyToConsole = 132;
  static constexpr int32_t kExit = 2;

  explicit TCommInfo(std::vector<solar::TCommonInfoRow> rows) : rows_(std::move(rows)) {}

  // Laid out for the rows, each value beside its caption.
  velplatform::TDialogLayout Layout() const;
  void Init(velplatform::TDialogControls& controls) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;

 private:
  std::vector<solar::TCommonInfoRow> rows_;
};

// Shows the general information of the view, modally.
void ShowCommInfo(velplatform::TWindowHandle owner, const solar::TCommonInfoView& view);

}  // namespace velarion::ui

#endif
