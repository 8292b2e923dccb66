#include "EditCity.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "ValueFormat.h"

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

TEditCityData::TEditCityData(velplatform::TWindowHandle owner, std::optional<TCityEntry> city)
    : owner_(owner), isNew_(!city), city_(city.value_or(TCityEntry{})) {}

velplatform::TDialogLayout TEditCityData::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Параметры города");
  layout.width = 230;
  layout.height = 150;
  layout.controls = {
      Control(0, TControlKind::kGroupBox, {4, 2, 222, 26}, " Наименование: "),
      Control(kNameEdit, TControlKind::kEdit, {10, 12, 210, 12}),
      Control(0, TControlKind::kGroupBox, {4, 30, 222, 26}, " Долгота: "),
      Control(kPlace.longitude, TControlKind::kEdit, {10, 40, 70, 12}),
      Control(kPlace.west, TControlKind::kRadioButton, {86, 41, 40, 10}, "Зап."),
      Control(kPlace.east, TControlKind::kRadioButton, {130, 41, 40, 10}, "Вост."),
      Control(kLongitudeDms, TControlKind::kButton, {200, 40, 20, 12}, "°"),
      Control(0, TControlKind::kGroupBox, {4, 58, 222, 26}, " Широта: "),
      Control(kPlace.latitude, TControlKind::kEdit, {10, 68, 70, 12}),
      Control(kPlace.north, TControlKind::kRadioButton, {86, 69, 40, 10}, "Сев."),
      Control(kPlace.south, TControlKind::kRadioButton, {130, 69, 40, 10}, "Южн."),
      Control(kLatitudeDms, TControlKind::kButton, {200, 68, 20, 12}, "°"),
      Control(0, TControlKind::kGroupBox, {4, 86, 222, 26}, " Часовой пояс: "),
      Control(kPlace.timeZone, TControlKind::kEdit, {10, 96, 40, 12}),
      Control(kPlace.beforeGreenwich, TControlKind::kRadioButton, {56, 97, 70, 10}, "До Гринвича"),
      Control(kPlace.afterGreenwich, TControlKind::kRadioButton, {130, 97, 90, 10},
              "После Гринвича"),
      Control(1, TControlKind::kOkButton, {90, 126, 64, 16}, "&Верно"),
      Control(2, TControlKind::kCancelButton, {160, 126, 64, 16}, "&Отмена"),
  };
  return layout;
}

void TEditCityData::Init(TDialogControls& controls) {
  if (isNew_) {
    CheckRadio(controls, kPlace.east, kPlace.west);
    CheckRadio(controls, kPlace.north, kPlace.south);
    CheckRadio(controls, kPlace.afterGreenwich, kPlace.beforeGreenwich);
    return;
  }
  controls.SetText(kNameEdit, city_.name);
  ShowPlace(controls, kPlace, TCityList::Data(city_));
}

bool TEditCityData::Command(TDialogControls& controls, int32_t id) {
  if (id == kLongitudeDms) EditDegreesField(owner_, controls, kPlace.longitude);
  if (id == kLatitudeDms) EditDegreesField(owner_, controls, kPlace.latitude);
  return false;
}

bool TEditCityData::Accept(TDialogControls& controls) {
  // Cut to the file's name column now, so that the list shows what the file will keep.
  const std::string typed = controls.Text(kNameEdit);
  std::string name =
      sky::TrimSpaces(std::string_view(typed).substr(0, catalogues::TCityFile::kNameBytes));
  if (name.empty()) {
    controls.Focus(kNameEdit);
    return false;
  }
  const TCityData place = ReadPlace(controls, kPlace);
  city_ = {std::move(name), place.longitudeDeg, place.latitudeDeg, place.timeZoneHours};
  return true;
}

std::optional<TCityEntry> ShowEditCityData(velplatform::TWindowHandle owner,
                                           std::optional<TCityEntry> city) {
  TEditCityData form(owner, std::move(city));
  if (!velplatform::RunDialog(owner, TEditCityData::Layout(), form)) return std::nullopt;
  return form.City();
}

}  // namespace velarion::ui
