#include "SetEquPoint.h"

#include "AngleUtils.h"
#include "Cp1251.h"
#include "DialogFields.h"
#include "EditDms.h"
#include "velastro.h"

#include <algorithm>
#include <array>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr std::array<const char*, 7> kEpochNames = {"J1875", "J1900",   "B1950", "J1975",
                                                    "J2000", "Текущая", "Другая"};
constexpr int kRaDecimals = 6;
constexpr int kDecDecimals = 5;
constexpr int kMjdDecimals = 5;

TEquatorialPoint Reduced(TEquatorialPoint point) {
  return {sky::Reduce360(point.raDeg), std::clamp(point.decDeg, -90.0, 90.0)};
}

}  // namespace

TSetEquPoint::TSetEquPoint(velplatform::TWindowHandle owner, double viewMjd, TEquatorialPoint point,
                           double epochT)
    : owner_(owner), viewMjd_(viewMjd), point_(Reduced(point)), callerT_(epochT), shownT_(epochT) {}

velplatform::TDialogLayout TSetEquPoint::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Экват. координаты");
  layout.width = 190;
  layout.height = 92;
  layout.controls = {
      Control(0, TControlKind::kLabel, {4, 6, 70, 8}, "Прямое восх., ч:"),
      Control(kRightAscension, TControlKind::kEdit, {76, 4, 80, 12}),
      Control(kRaDms, TControlKind::kButton, {160, 4, 20, 12}, "ч"),
      Control(0, TControlKind::kLabel, {4, 22, 70, 8}, "Склонение, °:"),
      Control(kDeclination, TControlKind::kEdit, {76, 20, 80, 12}),
      Control(kDecDms, TControlKind::kButton, {160, 20, 20, 12}, "°"),
      Control(0, TControlKind::kLabel, {4, 38, 70, 8}, "Эпоха:"),
      Control(kEpoch, TControlKind::kComboBox, {76, 36, 50, 12}),
      Control(kEpochMjd, TControlKind::kEdit, {76, 52, 80, 12}),
      Control(kMjdDms, TControlKind::kButton, {160, 52, 20, 12}, "J"),
      Control(1, TControlKind::kOkButton, {56, 72, 62, 16}, "&Верно"),
      Control(2, TControlKind::kCancelButton, {124, 72, 62, 16}, "&Отмена"),
  };
  return layout;
}

void TSetEquPoint::Init(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  controls.ClearItems(kEpoch);
  for (const char* name : kEpochNames) controls.AddItem(kEpoch, velplatform::Cp1251(name));
  const std::optional<int> fixed = FixedEpochIndex(callerT_);
  const bool current = !fixed && std::fabs(GetT(viewMjd_) - callerT_) <= kSameEpochT;
  controls.Select(kEpoch, fixed ? *fixed : (current ? kCurrentEpoch : kOtherEpoch));
  SetFieldNumber(controls, kEpochMjd, fixed || current ? viewMjd_ : TToMJD(callerT_), kMjdDecimals);
  controls.SetEnabled(kEpochMjd, controls.Selected(kEpoch) == kOtherEpoch);
  ShowShown(controls);
}

double TSetEquPoint::ChosenT(const TDialogControls& controls) const {
  const int32_t chosen = controls.Selected(kEpoch);
  if (chosen >= 0 && chosen < static_cast<int32_t>(kFixedEpochsT.size()))
    return kFixedEpochsT[chosen];
  if (chosen == kOtherEpoch) return GetT(FieldNumber(controls, kEpochMjd));
  return GetT(viewMjd_);
}

void TSetEquPoint::ShowShown(TDialogControls& controls) {
  const TEquatorialPoint shown = PrecessEquatorial(point_, callerT_, shownT_);
  SetFieldNumber(controls, kRightAscension, sky::Reduce360(shown.raDeg) / 15.0, kRaDecimals);
  SetFieldNumber(controls, kDeclination, shown.decDeg, kDecDecimals);
  shownRa_ = controls.Text(kRightAscension);
  shownDec_ = controls.Text(kDeclination);
}

void TSetEquPoint::TakeTypedPlace(const TDialogControls& controls) {
  // Only a place the user typed replaces the exact one.
  if (controls.Text(kRightAscension) == shownRa_ && controls.Text(kDeclination) == shownDec_)
    return;
  const TEquatorialPoint typed =
      Reduced({FieldNumber(controls, kRightAscension) * 15.0, FieldNumber(controls, kDeclination)});
  point_ = Reduced(PrecessEquatorial(typed, shownT_, callerT_));
  shownRa_ = controls.Text(kRightAscension);
  shownDec_ = controls.Text(kDeclination);
}

void TSetEquPoint::EpochChanged(TDialogControls& controls) {
  controls.SetEnabled(kEpochMjd, controls.Selected(kEpoch) == kOtherEpoch);
  const double t = ChosenT(controls);
  if (std::fabs(t - shownT_) <= kSameEpochT) return;
  TakeTypedPlace(controls);
  shownT_ = t;
  ShowShown(controls);
}

void TSetEquPoint::Changed(TDialogControls& controls, int32_t id) {
  if (updating_) return;
  const TSelfUpdate update(updating_);
  if (id == kEpoch || id == kEpochMjd) EpochChanged(controls);
  if (id == kRightAscension || id == kDeclination) TakeTypedPlace(controls);
}

bool TSetEquPoint::Command(TDialogControls& controls, int32_t id) {
  const auto edit = [&](int32_t field, TDmsKind kind, int32_t decimals, int fieldDecimals) {
    if (const auto value =
            EditDMS(owner_, FieldNumber(controls, field), static_cast<int32_t>(kind), decimals)) {
      SetFieldNumber(controls, field, *value, fieldDecimals);
      Changed(controls, field);
    }
  };
  if (id == kRaDms) edit(kRightAscension, TDmsKind::kHours, 2, kRaDecimals);
  if (id == kDecDms) edit(kDeclination, TDmsKind::kDegrees, 1, kDecDecimals);
  if (id == kMjdDms && controls.Enabled(kEpochMjd))
    edit(kEpochMjd, TDmsKind::kMjd, 5, kMjdDecimals);
  return false;
}

bool TSetEquPoint::Accept(TDialogControls& controls) {
  TakeTypedPlace(controls);
  return true;
}

std::optional<TEquatorialPoint> ShowSetEquPoint(velplatform::TWindowHandle owner, double viewMjd,
                                                TEquatorialPoint point, double epochT) {
  TSetEquPoint form(owner, viewMjd, point, epochT);
  if (!velplatform::RunDialog(owner, TSetEquPoint::Layout(), form)) return std::nullopt;
  return form.Point();
}

}  // namespace velarion::ui
