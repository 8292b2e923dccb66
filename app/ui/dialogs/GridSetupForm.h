// TGridSetupForm ("Настройка координатных сеток"): which lines of the horizontal and the
// equatorial grid are drawn, their steps, and whether the steps follow the zoom.
#ifndef VELARION_APP_UI_DIALOGS_GRIDSETUPFORM_H
#define VELARION_APP_UI_DIALOGS_GRIDSETUPFORM_H

#include "Dialogs.h"
#include "SkyImage.h"

namespace velarion::ui {

class TGridSetupForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kAzimuthAuto = 101;
  static constexpr int32_t kEquatorialAuto = 102;
  // Line switch i (0 azimuth lines, 1 altitude lines, 2 RA lines, 3 declination lines) is
  // kFirstLine + i, its step kFirstStep + i and the step's labels kFirstStepLabel + 2i, +2i+1.
  static constexpr int32_t kFirstLine = 111;
  static constexpr int32_t kFirstStep = 121;
  static constexpr int32_t kFirstStepLabel = 131;

  explicit TGridSetupForm(const sky::TGridSettings& grid) : grid_(grid) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  // A step field is corrected into its range when the focus leaves it, and all of them
  // again here, where the user may press OK without leaving the last one.
  void Left(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  const sky::TGridSettings& Grid() const { return grid_; }

 private:
  void ShowAuto(velplatform::TDialogControls& controls) const;

  sky::TGridSettings grid_;
};

// Stores the ten values in the image; true when "&Верно" closed it (the image's
// view-changed flag tells whether a recomputation is due).
bool ShowGridSetupForm(velplatform::TWindowHandle owner, sky::TSkyImage& image);

}  // namespace velarion::ui

#endif
