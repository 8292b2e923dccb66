#include "EditDms.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;
using velplatform::TDialogLayout;

namespace {

int64_t PowerOfTen(int decimals) {
  int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  return scale;
}

int SecondsDecimals(TDmsKind kind, int32_t decimals) {
  // An MJD with 6 decimals resolves a tenth of a second, with 5 about a second.
  if (kind == TDmsKind::kMjd) return decimals >= 6 ? 1 : 0;
  return std::clamp(decimals, 0, 4);
}

bool IsMinute(double value) { return value >= 0.0 && value < 60.0; }

}  // namespace

TDmsParts SplitDms(double value, int decimals) {
  const int64_t scale = PowerOfTen(std::clamp(decimals, 0, 4));
  const auto ticks = static_cast<int64_t>(std::llround(std::fabs(value) * 3600.0 * scale));
  const int64_t perMinute = 60 * scale;
  TDmsParts parts;
  parts.negative = value < 0.0 && ticks > 0;
  parts.whole = ticks / (60 * perMinute);
  parts.minutes = static_cast<int32_t>(ticks / perMinute % 60);
  parts.seconds = static_cast<double>(ticks % perMinute) / static_cast<double>(scale);
  return parts;
}

double JoinDms(const TDmsParts& parts) {
  const double magnitude =
      static_cast<double>(parts.whole) + parts.minutes / 60.0 + parts.seconds / 3600.0;
  return parts.negative ? -magnitude : magnitude;
}

TEditDmsForm::TEditDmsForm(double value, TDmsKind kind, int32_t decimals)
    : value_(value), kind_(kind), decimals_(decimals) {}

TDialogLayout TEditDmsForm::Layout() const {
  TDialogLayout layout;
  if (kind_ == TDmsKind::kMjd) {
    layout.caption = velplatform::Cp1251("Дата и время");
    layout.width = 200;
    layout.height = 70;
    layout.controls = {
        Control(0, TControlKind::kLabel, {6, 6, 60, 8}, "д,м,г:"),
        Control(kWholeEdit, TControlKind::kEdit, {66, 4, 24, 12}),
        Control(kMonthEdit, TControlKind::kEdit, {94, 4, 24, 12}),
        Control(kYearEdit, TControlKind::kEdit, {122, 4, 40, 12}),
        Control(0, TControlKind::kLabel, {6, 24, 60, 8}, "ч,м,с:"),
        Control(kHoursEdit, TControlKind::kEdit, {66, 22, 24, 12}),
        Control(kMinutesEdit, TControlKind::kEdit, {94, 22, 24, 12}),
        Control(kSecondsEdit, TControlKind::kEdit, {122, 22, 40, 12}),
        Control(1, TControlKind::kOkButton, {60, 48, 60, 16}, "&Верно"),
        Control(2, TControlKind::kCancelButton, {130, 48, 60, 16}, "&Отмена"),
    };
    return layout;
  }
  const bool hours = kind_ == TDmsKind::kHours;
  layout.caption =
      velplatform::Cp1251(hours ? "Часы, минуты, секунды" : "Градусы, минуты, секунды");
  layout.width = 200;
  layout.height = 52;
  layout.controls = {
      Control(0, TControlKind::kLabel, {6, 6, 60, 8}, hours ? "ч, м, с:" : "°, ', \":"),
      Control(kWholeEdit, TControlKind::kEdit, {66, 4, 36, 12}),
      Control(kMinutesEdit, TControlKind::kEdit, {106, 4, 24, 12}),
      Control(kSecondsEdit, TControlKind::kEdit, {134, 4, 50, 12}),
      Control(1, TControlKind::kOkButton, {60, 30, 60, 16}, "&Верно"),
      Control(2, TControlKind::kCancelButton, {130, 30, 60, 16}, "&Отмена"),
  };
  return layout;
}

void TEditDmsForm::Init(TDialogControls& controls) {
  const int secondsDecimals = SecondsDecimals(kind_, decimals_);
  if (kind_ == TDmsKind::kMjd) {
    // Rounded to the shown second first, so that 23:59:59.7 shows as the next day.
    const double scale =
        velcommon::kSecondsPerDay * static_cast<double>(PowerOfTen(secondsDecimals));
    const double mjd = std::round(value_ * scale) / scale;
    int32_t day = 0, month = 0, year = 0;
    double hour = 0.0;
    CalDat(mjd, &day, &month, &year, &hour);
    const TDmsParts time = SplitDms(hour, secondsDecimals);
    controls.SetText(kWholeEdit, std::to_string(day));
    controls.SetText(kMonthEdit, std::to_string(month));
    controls.SetText(kYearEdit, std::to_string(year));
    controls.SetText(kHoursEdit, std::to_string(std::min<int64_t>(time.whole, 23)));
    controls.SetText(kMinutesEdit, std::to_string(time.minutes));
    SetFieldNumber(controls, kSecondsEdit, time.seconds, secondsDecimals);
    return;
  }
  const TDmsParts parts = SplitDms(value_, secondsDecimals);
  controls.SetText(kWholeEdit, (parts.negative ? "-" : "") + std::to_string(parts.whole));
  controls.SetText(kMinutesEdit, std::to_string(parts.minutes));
  SetFieldNumber(controls, kSecondsEdit, parts.seconds, secondsDecimals);
}

bool TEditDmsForm::Accept(TDialogControls& controls) {
  return kind_ == TDmsKind::kMjd ? AcceptMjd(controls) : AcceptAngle(controls);
}

bool TEditDmsForm::AcceptAngle(TDialogControls& controls) {
  const double minutes = FieldNumber(controls, kMinutesEdit);
  const double seconds = FieldNumber(controls, kSecondsEdit);
  if (!IsMinute(minutes) || !IsMinute(seconds)) {
    controls.Focus(IsMinute(minutes) ? kSecondsEdit : kMinutesEdit);
    velplatform::Beep();
    return false;
  }
  // The sign is read from the text: "-0" 30' is half a degree below zero.
  const std::string whole = controls.Text(kWholeEdit);
  const bool negative = whole.find('-') != std::string::npos;
  const double magnitude =
      std::fabs(FieldNumber(controls, kWholeEdit)) + minutes / 60.0 + seconds / 3600.0;
  value_ = negative ? -magnitude : magnitude;
  return true;
}

bool TEditDmsForm::AcceptMjd(TDialogControls& controls) {
  const double hours = FieldNumber(controls, kHoursEdit);
  const double minutes = FieldNumber(controls, kMinutesEdit);
  const double seconds = FieldNumber(controls, kSecondsEdit);
  if (hours < 0.0 || hours >= 24.0 || !IsMinute(minutes) || !IsMinute(seconds)) {
    controls.Focus(!IsMinute(seconds) ? kSecondsEdit
                                      : (!IsMinute(minutes) ? kMinutesEdit : kHoursEdit));
    velplatform::Beep();
    return false;
  }
  value_ = MJD(FieldInteger(controls, kWholeEdit), FieldInteger(controls, kMonthEdit),
               std::clamp(FieldInteger(controls, kYearEdit), -9998, 9999),
               hours + minutes / 60.0 + seconds / 3600.0);
  return true;
}

std::optional<double> EditDMS(velplatform::TWindowHandle owner, double value, int32_t kind,
                              int32_t decimals) {
  if (kind != 0 && kind != 1 && kind != 3) return std::nullopt;
  TEditDmsForm form(value, static_cast<TDmsKind>(kind), decimals);
  if (!velplatform::RunDialog(owner, form.Layout(), form)) return std::nullopt;
  return form.Value();
}

}  // namespace velarion::ui
