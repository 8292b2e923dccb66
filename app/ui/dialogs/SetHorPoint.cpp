#include "SetHorPoint.h"

#include "AngleUtils.h"
#include "Cp1251.h"
#include "DialogFields.h"
#include "EditDms.h"

#include <algorithm>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int kDecimals = 4;

THorizontalPoint Reduced(THorizontalPoint point) {
  return {sky::Reduce360(point.azimuthDeg), std::clamp(point.altitudeDeg, 0.0, 90.0)};
}

}  // namespace

velplatform::TDialogLayout TSetHorPoint::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Горизонт. координаты");
  layout.width = 170;
  layout.height = 60;
  layout.controls = {
      Control(0, TControlKind::kLabel, {4, 6, 50, 8}, "Азимут, °:"),
      Control(kAzimuth, TControlKind::kEdit, {56, 4, 80, 12}),
      Control(kAzimuthDms, TControlKind::kButton, {140, 4, 20, 12}, "°"),
      Control(0, TControlKind::kLabel, {4, 22, 50, 8}, "Высота, °:"),
      Control(kAltitude, TControlKind::kEdit, {56, 20, 80, 12}),
      Control(kAltitudeDms, TControlKind::kButton, {140, 20, 20, 12}, "°"),
      Control(1, TControlKind::kOkButton, {36, 40, 62, 16}, "&Верно"),
      Control(2, TControlKind::kCancelButton, {104, 40, 62, 16}, "&Отмена"),
  };
  return layout;
}

void TSetHorPoint::Init(TDialogControls& controls) {
  const THorizontalPoint shown = Reduced(point_);
  SetFieldNumber(controls, kAzimuth, shown.azimuthDeg, kDecimals);
  SetFieldNumber(controls, kAltitude, shown.altitudeDeg, kDecimals);
}

bool TSetHorPoint::Command(TDialogControls& controls, int32_t id) {
  if (id != kAzimuthDms && id != kAltitudeDms) return false;
  const int32_t field = id == kAzimuthDms ? kAzimuth : kAltitude;
  if (const auto value = EditDMS(owner_, FieldNumber(controls, field), 0, 0)) {
    SetFieldNumber(controls, field, *value, kDecimals);
  }
  return false;
}

bool TSetHorPoint::Accept(TDialogControls& controls) {
  point_ = Reduced({FieldNumber(controls, kAzimuth), FieldNumber(controls, kAltitude)});
  return true;
}

std::optional<THorizontalPoint> ShowSetHorPoint(velplatform::TWindowHandle owner,
                                                THorizontalPoint point) {
  TSetHorPoint form(owner, point);
  if (!velplatform::RunDialog(owner, TSetHorPoint::Layout(), form)) return std::nullopt;
  return form.Point();
}

}  // namespace velarion::ui
