// TSetZoomForm: the zoom in percent, or "Всё небо" (100 percent, keeping the scroll
// position). The main window zooms about its centre; the sky image clamps the value.
#ifndef VELARION_APP_UI_DIALOGS_SETZOOMFORM_H
#define VELARION_APP_UI_DIALOGS_SETZOOMFORM_H

#include "Dialogs.h"
#include "PopupForm.h"

#include <cstdint>
#include <optional>

namespace velarion::ui {

struct TZoomChoice {
  int32_t zoom = 100;
  bool keepScroll = false;
  bool operator==(const TZoomChoice&) const = default;
};

class TSetZoomForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kNewZoom = 101;
  static constexpr int32_t kWholeSky = 102;

  explicit TSetZoomForm(int32_t zoom) : choice_{zoom, false} {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  const TZoomChoice& Choice() const { return choice_; }

 private:
  TZoomChoice choice_;
};

// The pop-up beside `anchor`; `chosen` gets the zoom once applied.
void ShowSetZoomForm(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                     int32_t zoom, TPopupChoice<TZoomChoice> chosen);

}  // namespace velarion::ui

#endif
