// The console's settings dialog "Настройка параметров консоли": its font (a fixed-pitch
// family and a size), showing the console when text arrives, keeping its text between runs.
#ifndef VELARION_APP_UI_WINDOW_CONSOLEPARAMFORM_H
#define VELARION_APP_UI_WINDOW_CONSOLEPARAMFORM_H

#include "Configuration.h"
#include "Dialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace velarion::ui {

struct TConsoleParams {
  TConsoleFont font;
  bool autoShow = true;
  bool autoSave = true;
  bool operator==(const TConsoleParams&) const = default;
};

class TConsoleParamForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kFontList = 101, kSize = 102, kAutoShow = 103, kAutoSave = 104;

  // `families`: the installed fixed-pitch families (CP1251).
  TConsoleParamForm(TConsoleParams params, std::vector<std::string> families)
      : params_(std::move(params)), families_(std::move(families)) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  const TConsoleParams& Params() const { return params_; }

 private:
  TConsoleParams params_;
  std::vector<std::string> families_;
};

// The settings chosen, or none when the dialog was cancelled.
std::optional<TConsoleParams> ShowConsoleParamForm(velplatform::TWindowHandle owner,
                                                   const TConsoleParams& params,
                                                   std::vector<std::string> families);

}  // namespace velarion::ui

#endif
