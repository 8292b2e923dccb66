#include "RiseSetDialog.h"

#include "Clipboard.h"
#include "Cp1251.h"
#include "OutputConsole.h"
#include "ValueFormat.h"

namespace velarion::solar {

namespace {

using velplatform::Cp1251;
using velplatform::TControlKind;

// The time shown for an event that does not fall on this day.
constexpr std::string_view kNoTime = "     -";

std::string HoursText(double hours) {
  return sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kMinutes, 0, false,
                          hours);
}

}  // namespace

velplatform::TDialogLayout RiseSetDialogLayout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251(" Период видимости");
  layout.width = 160;
  layout.height = 76;
  layout.controls = {
      {kRiseLabel, TControlKind::kLabel, {8, 8, 64, 10}, Cp1251("Восход:")},
      {kRiseTime, TControlKind::kLabel, {80, 8, 72, 10}, Cp1251("00ч 00м")},
      {kCulminationLabel, TControlKind::kLabel, {8, 22, 64, 10}, Cp1251("Кульминация:")},
      {kCulminationTime, TControlKind::kLabel, {80, 22, 72, 10}, Cp1251("11ч 11м")},
      {kSetLabel, TControlKind::kLabel, {8, 36, 64, 10}, Cp1251("Заход:")},
      {kSetTime, TControlKind::kLabel, {80, 36, 72, 10}, Cp1251("22ч 22м")},
      {kCopyButton,
       TControlKind::kButton,
       {8, 54, 40, 14},
       Cp1251("Копия"),
       0,
       Cp1251("Скопировать")},
      {kConsoleButton,
       TControlKind::kButton,
       {52, 54, 50, 14},
       Cp1251("В консоль"),
       0,
       Cp1251("Скопировать в консоль вывода")},
      {kExitButton, TControlKind::kCancelButton, {106, 54, 46, 14}, Cp1251("&Выход")},
  };
  return layout;
}

bool TRiseSetDialogLogic::Circumpolar() const {
  return times_.status == kNeverRises || times_.status == kNeverSets;
}

void TRiseSetDialogLogic::Init(velplatform::TDialogControls& controls) {
  controls.SetText(kCulminationTime, CulminatesToday(times_)
                                         ? HoursText(times_.upperCulminationHours)
                                         : std::string(kNoTime));
  if (Circumpolar()) {
    controls.SetText(kRiseLabel,
                     Cp1251(times_.status == kNeverSets ? "Не заходит" : "Не восходит"));
    for (int32_t id : {kRiseTime, kSetLabel, kSetTime}) controls.SetText(id, "");
    return;
  }
  controls.SetText(kRiseTime, (times_.status & kRisesToday) != 0 ? HoursText(times_.riseHours)
                                                                 : std::string(kNoTime));
  controls.SetText(kSetTime, (times_.status & kSetsToday) != 0 ? HoursText(times_.setHours)
                                                               : std::string(kNoTime));
}

std::string TRiseSetDialogLogic::CopiedLines() const {
  std::string culmination = Cp1251("Кульминация:");
  if (CulminatesToday(times_)) culmination += " " + HoursText(times_.upperCulminationHours);
  culmination += "\r\n";
  if (Circumpolar()) {
    return Cp1251(times_.status == kNeverSets ? "Не заходит" : "Не восходит") + "\r\n" +
           culmination;
  }
  std::string lines = Cp1251("Восход:");
  if ((times_.status & kRisesToday) != 0) lines += " " + HoursText(times_.riseHours);
  lines += "\r\n" + culmination;
  if ((times_.status & kSetsToday) != 0) {
    lines += Cp1251("Заход:") + " " + HoursText(times_.setHours) + "\r\n";
  }
  return lines;
}

bool TRiseSetDialogLogic::Command(velplatform::TDialogControls&, int32_t id) {
  if (id == kCopyButton) velplatform::CopyToClipboard(CopiedLines());
  if (id == kConsoleButton) WriteToOutputConsole(CopiedLines());
  return false;
}

void ShowRiseSetTimes(velplatform::TWindowHandle owner, const TRiseSetTimes& times) {
  TRiseSetDialogLogic logic(times);
  velplatform::RunDialog(owner, RiseSetDialogLayout(), logic);
}

}  // namespace velarion::solar

extern "C" VELARION_HOST_EXPORT void ShowRiseSettDialog(double h0, double epoch,
                                                        TRaDecAtMoment callback) {
  if (const auto times = velarion::solar::RiseSetForSkyView(h0, epoch, callback)) {
    velarion::solar::ShowRiseSetTimes(0, *times);
  }
}
