// TSavePictureForm: the size, kind, colour depth, legend and name of the picture the sky is
// saved as. The size keeps the shape of the window's sky while either side is typed.
#ifndef VELARION_APP_UI_DIALOGS_SAVEPICTUREFORM_H
#define VELARION_APP_UI_DIALOGS_SAVEPICTUREFORM_H

#include "Dialogs.h"
#include "SavePicture.h"

#include <cstdint>
#include <string>

namespace velarion::ui {

struct TPictureSetup {
  std::string folder;  // UTF-8, ending with "/": the folder of the last picture saved
  int32_t counter = 0;
  int32_t width = 1;  // the sky shown in the window, pixels
  int32_t height = 1;
};

class TSavePictureForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kWidth = 101;
  static constexpr int32_t kHeight = 102;
  static constexpr int32_t kKind = 103;   // the captions of PictureKinds(), in their order
  static constexpr int32_t kDepth = 104;  // the depths the chosen kind takes
  static constexpr int32_t kLegend = 105;
  static constexpr int32_t kFile = 106;
  static constexpr int32_t kBrowse = 107;

  TSavePictureForm(velplatform::TWindowHandle owner, TPictureSetup setup)
      : owner_(owner), setup_(std::move(setup)) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  void Left(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  // Valid once the dialog closed with OK.
  const TPictureRequest& Choice() const { return choice_; }

 private:
  const TPictureKindRow& ChosenKind(const velplatform::TDialogControls& controls) const;
  void ShowDepths(velplatform::TDialogControls& controls) const;
  void FollowKind(velplatform::TDialogControls& controls) const;
  void KeepShape(velplatform::TDialogControls& controls, int32_t typed) const;
  std::string DefaultName(const TPictureKindRow& kind) const;

  velplatform::TWindowHandle owner_;
  TPictureSetup setup_;
  TPictureRequest choice_;
};

// `file` with its extension (what follows the last "." of its name) replaced by `extension`,
// which is added when the name has none.
std::string WithExtension(const std::string& file, std::string_view extension);

}  // namespace velarion::ui

#endif
