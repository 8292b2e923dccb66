#include "MomentFields.h"

#include "CalendarDays.h"
#include "DialogFields.h"
#include "EditDms.h"
#include "Language.h"
#include "velastro.h"

#include <cmath>
#include <string>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int32_t kBeforeChristItem = 1;

}  // namespace

std::vector<velplatform::TControlLayout> MomentFieldControls(TMomentFieldIds ids, int32_t x,
                                                             int32_t y, const char* caption) {
  return {
      Control(0, TControlKind::kLabel, {x, y, 200, 8}, caption),
      Control(ids.day, TControlKind::kEdit, {x, y + 10, 16, 12}),
      Control(ids.Month(), TControlKind::kComboBox, {x + 20, y + 10, 50, 12}),
      Control(ids.Year(), TControlKind::kEdit, {x + 74, y + 10, 24, 12}),
      Control(ids.Era(), TControlKind::kComboBox, {x + 102, y + 10, 40, 12}),
      Control(ids.Hours(), TControlKind::kEdit, {x + 146, y + 10, 52, 12}),
      Control(ids.HoursButton(), TControlKind::kButton, {x + 200, y + 10, 12, 12}, "ч"),
  };
}

void ShowMoment(TDialogControls& controls, TMomentFieldIds ids, double localMjd, int32_t decimals) {
  int32_t day = 0, month = 0, year = 0;
  double hour = 0.0;
  CalDat(localMjd, &day, &month, &year, &hour);
  controls.SetText(ids.day, std::to_string(day));
  controls.ClearItems(ids.Month());
  for (const std::string& name : sky::MonthNames()) controls.AddItem(ids.Month(), name);
  controls.Select(ids.Month(), month - 1);
  controls.SetText(ids.Year(), std::to_string(EraYear(year)));
  controls.ClearItems(ids.Era());
  const sky::TEraNames& eras = sky::EraNames(sky::TLanguage::kRussian);
  controls.AddItem(ids.Era(), eras.afterChrist);
  controls.AddItem(ids.Era(), eras.beforeChrist);
  controls.Select(ids.Era(), BeforeChrist(year) ? kBeforeChristItem : 0);
  SetFieldNumber(controls, ids.Hours(), hour, decimals);
}

TDateEntry ReadMoment(const TDialogControls& controls, TMomentFieldIds ids) {
  TDateEntry moment;
  moment.day = FieldInteger(controls, ids.day);
  moment.month = controls.Selected(ids.Month()) + 1;
  moment.year = FieldInteger(controls, ids.Year());
  moment.beforeChrist = controls.Selected(ids.Era()) == kBeforeChristItem;
  moment.hours = FieldNumber(controls, ids.Hours());
  return moment;
}

void EditHoursField(velplatform::TWindowHandle owner, TDialogControls& controls, int32_t hoursField,
                    int32_t decimals) {
  if (const auto edited = EditDMS(owner, FieldNumber(controls, hoursField),
                                  static_cast<int32_t>(TDmsKind::kHours), 0)) {
    SetFieldNumber(controls, hoursField, *edited, decimals);
  }
}

}  // namespace velarion::ui
