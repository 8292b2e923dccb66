#include "ViewCity.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "EditCity.h"
#include "PlaceText.h"
#include "ValueFormat.h"

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;
using velplatform::TMessageBoxRequest;

velplatform::TDialogLayout TFindCityText::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Строка для поиска");
  layout.width = 180;
  layout.height = 46;
  layout.controls = {
      Control(kTextEdit, TControlKind::kEdit, {6, 6, 168, 12}),
      Control(1, TControlKind::kOkButton, {40, 26, 64, 16}, "&Верно"),
      Control(2, TControlKind::kCancelButton, {110, 26, 64, 16}, "&Отмена"),
  };
  return layout;
}

bool TFindCityText::Accept(TDialogControls& controls) {
  text_ = controls.Text(kTextEdit);
  return true;
}

TViewCityList::TViewCityList(velplatform::TWindowHandle owner, TCityList& cities,
                             double longitudeDeg, double latitudeDeg)
    : owner_(owner), cities_(cities), longitude_(longitudeDeg), latitude_(latitudeDeg) {}

velplatform::TDialogLayout TViewCityList::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Список городов");
  layout.width = 260;
  layout.height = 200;
  layout.controls = {
      Control(kCityList, TControlKind::kList, {4, 4, 160, 150}),
      Control(kLongitudeLabel, TControlKind::kLabel, {4, 158, 160, 10}),
      Control(kLatitudeLabel, TControlKind::kLabel, {4, 170, 160, 10}),
      Control(kTimeZoneLabel, TControlKind::kLabel, {4, 182, 160, 10}),
      Control(kFindButton, TControlKind::kButton, {176, 4, 76, 16}, "&Найти"),
      Control(kEditButton, TControlKind::kButton, {176, 24, 76, 16}, "&Изменить"),
      Control(kAddButton, TControlKind::kButton, {176, 44, 76, 16}, "&Добавить"),
      Control(kDeleteButton, TControlKind::kButton, {176, 64, 76, 16}, "&Удалить"),
      Control(1, TControlKind::kOkButton, {176, 156, 76, 16}, "&Верно"),
      Control(2, TControlKind::kCancelButton, {176, 176, 76, 16}, "В&ыход"),
  };
  return layout;
}

void TViewCityList::Init(TDialogControls& controls) {
  FillList(controls, cities_.FindPlace(longitude_, latitude_));
}

void TViewCityList::FillList(TDialogControls& controls, int32_t selected) {
  controls.ClearItems(kCityList);
  for (int32_t i = 0; i < cities_.Count(); ++i) controls.AddItem(kCityList, cities_.Entry(i).name);
  controls.Select(kCityList, selected);
  ShowSelected(controls);
}

void TViewCityList::ShowSelected(TDialogControls& controls) const {
  const int32_t index = controls.Selected(kCityList);
  const bool valid = index >= 0 && index < cities_.Count();
  const TCityData place = valid ? TCityList::Data(cities_.Entry(index)) : TCityData{};
  controls.SetText(kLongitudeLabel, valid ? LongitudeText(place.longitudeDeg) : "");
  controls.SetText(kLatitudeLabel, valid ? LatitudeText(place.latitudeDeg) : "");
  controls.SetText(kTimeZoneLabel, valid ? TimeZoneText(place.timeZoneHours) : "");
  controls.SetEnabled(kEditButton, valid);
  controls.SetEnabled(kDeleteButton, valid);
}

void TViewCityList::Changed(TDialogControls& controls, int32_t id) {
  if (id == kCityList) ShowSelected(controls);
}

bool TViewCityList::DoubleClicked(TDialogControls& controls, int32_t id) {
  return id == kCityList && Accept(controls);
}

bool TViewCityList::Command(TDialogControls& controls, int32_t id) {
  switch (id) {
    case kFindButton:
      Find(controls);
      break;
    case kEditButton:
      Edit(controls);
      break;
    case kAddButton:
      Add(controls);
      break;
    case kDeleteButton:
      Delete(controls);
      break;
    default:
      break;
  }
  return false;
}

void TViewCityList::Find(TDialogControls& controls) {
  TFindCityText find;
  if (!velplatform::RunDialog(owner_, TFindCityText::Layout(), find)) return;
  const std::string text = sky::TrimSpaces(find.Text());
  if (text.empty()) return;
  const int32_t found = cities_.FindName(text);
  if (found < 0) {
    velplatform::ShowError(owner_, velplatform::Cp1251("Город не найден"));
    return;
  }
  controls.Select(kCityList, found);
  ShowSelected(controls);
}

void TViewCityList::Edit(TDialogControls& controls) {
  const int32_t index = controls.Selected(kCityList);
  if (index < 0 || index >= cities_.Count()) return;
  if (std::optional<TCityEntry> edited = ShowEditCityData(owner_, cities_.Entry(index))) {
    cities_.Replace(index, std::move(*edited));
    FillList(controls, index);
  }
}

void TViewCityList::Add(TDialogControls& controls) {
  if (std::optional<TCityEntry> added = ShowEditCityData(owner_, std::nullopt)) {
    FillList(controls, cities_.InsertAfter(controls.Selected(kCityList), std::move(*added)));
  }
}

void TViewCityList::Delete(TDialogControls& controls) {
  const int32_t index = controls.Selected(kCityList);
  if (index < 0 || index >= cities_.Count()) return;
  const auto answer = velplatform::ShowMessageBox(
      owner_, TMessageBoxRequest{
                  velplatform::Cp1251("Удалять город?"), velplatform::Cp1251("Предупреждение"),
                  velplatform::TMessageButtons::kYesNo, velplatform::TMessageIcon::kQuestion});
  if (answer != velplatform::TMessageAnswer::kYes) return;
  cities_.Remove(index);
  FillList(controls, -1);
}

bool TViewCityList::Accept(TDialogControls& controls) {
  const int32_t index = controls.Selected(kCityList);
  chosen_.reset();
  if (index >= 0 && index < cities_.Count()) chosen_ = TCityList::Data(cities_.Entry(index));
  return true;
}

std::optional<TCityData> ShowViewCityList(velplatform::TWindowHandle owner,
                                          const std::filesystem::path& cityFile,
                                          double longitudeDeg, double latitudeDeg) {
  TCityList cities;
  const TCityList::TLoad load = cities.Load(cityFile);
  if (load == TCityList::TLoad::kUnreadable) {
    velplatform::ShowError(
        owner, velplatform::Cp1251("Не удалось прочитать список городов \"city.dat\"."));
  }
  TViewCityList form(owner, cities, longitudeDeg, latitudeDeg);
  const bool ok = velplatform::RunDialog(owner, TViewCityList::Layout(), form);
  // A file that could not be read is never replaced by what is left of it.
  if (cities.Changed() && load == TCityList::TLoad::kUnreadable) {
    velplatform::ShowError(
        owner, velplatform::Cp1251(
                   "Изменения списка городов не сохранены: файл \"city.dat\" не был прочитан."));
  } else if (cities.Changed() && !cities.Save(cityFile)) {
    velplatform::ShowError(
        owner, velplatform::Cp1251(
                   "Не удалось записать список городов \"city.dat\"; файл оставлен прежним."));
  }
  return ok ? form.Chosen() : std::nullopt;
}

}  // namespace velarion::ui
