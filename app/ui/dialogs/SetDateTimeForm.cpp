#include "SetDateTimeForm.h"

#include "CalendarDays.h"
#include "Cp1251.h"
#include "DialogFields.h"
#include "Language.h"
#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int32_t kBeforeChristItem = 1;
using velcommon::kSecondsPerDay;

}  // namespace

velplatform::TDialogLayout TSetDateTimeForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Дата и время");
  layout.width = 210;
  layout.height = 84;
  layout.controls = {
      Control(0, TControlKind::kLabel, {4, 6, 30, 8}, "д,м,г"),
      Control(kDay, TControlKind::kEdit, {36, 4, 20, 12}),
      Control(kMonth, TControlKind::kComboBox, {60, 4, 44, 12}),
      Control(kYear, TControlKind::kEdit, {108, 4, 30, 12}),
      Control(kEra, TControlKind::kComboBox, {142, 4, 60, 12}),
      Control(0, TControlKind::kLabel, {4, 24, 30, 8}, "ч,м,с"),
      Control(kHours, TControlKind::kEdit, {36, 22, 20, 12}),
      Control(kMinutes, TControlKind::kEdit, {60, 22, 20, 12}),
      Control(kSeconds, TControlKind::kEdit, {84, 22, 20, 12}),
      Control(0, TControlKind::kLabel, {4, 42, 30, 8}, "ET-UT:"),
      Control(kDeltaT, TControlKind::kEdit, {36, 40, 44, 12}),
      Control(kDeltaTAuto, TControlKind::kCheckBox, {86, 41, 40, 10}, "Авто"),
      Control(1, TControlKind::kOkButton, {74, 62, 62, 16}, "Установить"),
      Control(2, TControlKind::kCancelButton, {142, 62, 62, 16}, "Отмена"),
  };
  return layout;
}

void TSetDateTimeForm::Init(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  // Rounded to the shown second first, so that 23:59:59.7 shows as 0:00:00 of the next day
  // instead of as 24:00:00.
  const double local =
      std::round((view_.mjdUt + view_.timeZoneHours / 24.0) * kSecondsPerDay) / kSecondsPerDay;
  int32_t day = 0, month = 0, year = 0;
  double hour = 0.0;
  CalDat(local, &day, &month, &year, &hour);
  const auto seconds = static_cast<int32_t>(std::lround(hour * 3600.0));
  controls.SetText(kDay, std::to_string(day));
  controls.ClearItems(kMonth);
  for (const std::string& name : sky::MonthNames()) controls.AddItem(kMonth, name);
  controls.Select(kMonth, month - 1);
  controls.ClearItems(kEra);
  const sky::TEraNames& eras = sky::EraNames(sky::TLanguage::kRussian);
  controls.AddItem(kEra, eras.afterChrist);
  controls.AddItem(kEra, eras.beforeChrist);
  controls.Select(kEra, BeforeChrist(year) ? kBeforeChristItem : 0);
  controls.SetText(kYear, std::to_string(EraYear(year)));
  controls.SetText(kHours, std::to_string(seconds / 3600));
  controls.SetText(kMinutes, std::to_string(seconds / 60 % 60));
  controls.SetText(kSeconds, std::to_string(seconds % 60));
  controls.SetChecked(kDeltaTAuto, view_.deltaTAutomatic);
  SetFieldNumber(controls, kDeltaT, view_.deltaTSeconds, 1);
  ShowDeltaT(controls);
}

int32_t TSetDateTimeForm::ShownAstronomicalYear(const TDialogControls& controls) const {
  const int32_t eraYear = std::clamp(FieldInteger(controls, kYear), 1, kMaxAstronomicalYear);
  return std::clamp(AstronomicalYear(eraYear, controls.Selected(kEra) == kBeforeChristItem),
                    kMinAstronomicalYear, kMaxAstronomicalYear);
}

void TSetDateTimeForm::LowerDay(TDialogControls& controls) const {
  const int32_t last = DaysInMonth(controls.Selected(kMonth) + 1, ShownAstronomicalYear(controls));
  if (FieldInteger(controls, kDay) > last) controls.SetText(kDay, std::to_string(last));
}

void TSetDateTimeForm::ShowDeltaT(TDialogControls& controls) const {
  const bool automatic = controls.Checked(kDeltaTAuto);
  if (automatic) SetFieldNumber(controls, kDeltaT, GetDeltat(GetT(view_.mjdUt)), 1);
  controls.SetEnabled(kDeltaT, !automatic);
}

void TSetDateTimeForm::Changed(TDialogControls& controls, int32_t id) {
  if (updating_) return;
  const TSelfUpdate update(updating_);
  // The year is corrected on "Установить" only: each keystroke of "2000" passes through
  // years 2, 20 and 200, and a 29 February must not be lost on the way.
  if (id == kMonth || id == kEra) LowerDay(controls);
  if (id == kDeltaTAuto) ShowDeltaT(controls);
}

bool TSetDateTimeForm::Accept(TDialogControls& controls) {
  const int32_t year = ShownAstronomicalYear(controls);
  const int32_t month = std::clamp(controls.Selected(kMonth) + 1, 1, 12);
  const int32_t day = std::clamp(FieldInteger(controls, kDay), 1, DaysInMonth(month, year));
  const double hours = std::clamp(FieldInteger(controls, kHours), 0, 23) +
                       std::clamp(FieldInteger(controls, kMinutes), 0, 59) / 60.0 +
                       std::clamp(FieldInteger(controls, kSeconds), 0, 59) / 3600.0;
  choice_.mjdUt = MJD(day, month, year, hours) - view_.timeZoneHours / 24.0;
  choice_.deltaTAutomatic = controls.Checked(kDeltaTAuto);
  choice_.deltaTSeconds = choice_.deltaTAutomatic ? 0.0 : FieldNumber(controls, kDeltaT);
  return true;
}

TDateTimeView DateTimeViewOf(const sky::TSkyImage& image) {
  return {image.Mjd(), image.TimeZone(), image.DeltaTAutomatic(),
          image.DeltaTDays() * kSecondsPerDay};
}

void ShowSetDateTimeForm(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                         const sky::TSkyImage& image, TPopupChoice<TDateTimeChoice> chosen) {
  ShowFormAsPopup<TDateTimeChoice>(owner, anchor,
                                   std::make_shared<TSetDateTimeForm>(DateTimeViewOf(image)),
                                   &TSetDateTimeForm::Choice, std::move(chosen));
}

void ApplyDateTimeChoice(const TDateTimeChoice& choice, sky::TSkyImage& image) {
  image.SetDeltaTAutomatic(choice.deltaTAutomatic);
  if (!choice.deltaTAutomatic) image.SetDeltaTSeconds(choice.deltaTSeconds);
  image.SetMjd(choice.mjdUt);
}

}  // namespace velarion::ui
