// TSetAzimuthAngle: the rotation of the view in whole degrees, with the four compass
// buttons (Shift+1 … 4 on Latin and Cyrillic layouts), each shown pressed while the field
// holds its value.
#ifndef VELARION_APP_UI_DIALOGS_SETAZIMUTHANGLE_H
#define VELARION_APP_UI_DIALOGS_SETAZIMUTHANGLE_H

#include "DialogKeys.h"
#include "Dialogs.h"
#include "PopupForm.h"
#include "SkyImage.h"
#include "ViewRotation.h"

namespace velarion::ui {

class TSetAzimuthAngle final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kAngle = 101;
  // The button of a compass point is kFirstPoint + point ("С", "В", "Ю", "З").
  static constexpr int32_t kFirstPoint = 111;

  TSetAzimuthAngle(double azimuthRotationDeg, bool azimuthFromSouth, bool mirror);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  bool KeyPressed(velplatform::TDialogControls& controls, const TDialogKey& key) override;
  double AzimuthRotationDeg() const { return rotation_; }

 private:
  void PutPoint(velplatform::TDialogControls& controls, TCompassPoint point);
  void ShowPressed(velplatform::TDialogControls& controls) const;

  double rotation_;
  bool fromSouth_;
  bool mirror_;
  bool updating_ = false;
};

// The pop-up beside `anchor`, starting from the image's rotation; `chosen` gets the new
// azimuth rotation in degrees once applied.
void ShowSetAzimuthAngle(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                         const sky::TSkyImage& image, TPopupChoice<double> chosen);

}  // namespace velarion::ui

#endif
