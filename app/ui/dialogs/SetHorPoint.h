// TSetHorPoint ("Горизонт. координаты"): a point to go to in azimuth (0 … 360) and altitude
// (0 … 90).
#ifndef VELARION_APP_UI_DIALOGS_SETHORPOINT_H
#define VELARION_APP_UI_DIALOGS_SETHORPOINT_H

#include "Dialogs.h"

#include <optional>

namespace velarion::ui {

struct THorizontalPoint {
  double azimuthDeg = 0.0;
  double altitudeDeg = 0.0;
};

class TSetHorPoint final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kAzimuth = 101;
  static constexpr int32_t kAltitude = 102;
  static constexpr int32_t kAzimuthDms = 103;
  static constexpr int32_t kAltitudeDms = 104;

  TSetHorPoint(velplatform::TWindowHandle owner, THorizontalPoint point)
      : owner_(owner), point_(point) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  const THorizontalPoint& Point() const { return point_; }

 private:
  velplatform::TWindowHandle owner_;
  THorizontalPoint point_;
};

std::optional<THorizontalPoint> ShowSetHorPoint(velplatform::TWindowHandle owner,
                                                THorizontalPoint point);

}  // namespace velarion::ui

#endif
