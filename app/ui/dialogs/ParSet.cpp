#include "ParSet.h"

#include "Atmosphere.h"
#include "Cp1251.h"
#include "DialogFields.h"
#include "SolarForm.h"
#include "ViewCity.h"

#include <algorithm>
#include <cmath>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

// Positions of the image's visibility switches.
namespace visibility = sky::visibility;

void CheckEither(TDialogControls& controls, bool second, int32_t first, int32_t secondId) {
  if (second) {
    CheckRadio(controls, secondId, first);
  } else {
    CheckRadio(controls, first, secondId);
  }
}

// The list's families with `current` first when it is not installed, and its index.
void FillFonts(TDialogControls& controls, int32_t id, const std::vector<std::string>& families,
               const std::string& current) {
  controls.ClearItems(id);
  const auto found = std::find(families.begin(), families.end(), current);
  if (found == families.end()) controls.AddItem(id, current);
  for (const std::string& family : families) controls.AddItem(id, family);
  controls.Select(id, found == families.end() ? 0 : static_cast<int32_t>(found - families.begin()));
}

std::string FontName(const TDialogControls& controls, int32_t id) {
  std::string name = controls.Item(id, controls.Selected(id));
  if (name.size() > kMaxSkyFontNameLength) name.resize(kMaxSkyFontNameLength);
  return name;
}

std::vector<velplatform::TControlLayout> PlaceControls() {
  const TPlaceFieldIds& p = TParamForm::kPlace;
  return {
      Control(0, TControlKind::kGroupBox, {4, 4, 200, 26}, " Долгота: "),
      Control(p.longitude, TControlKind::kEdit, {10, 14, 60, 12}),
      Control(p.west, TControlKind::kRadioButton, {76, 15, 40, 10}, "Зап."),
      Control(p.east, TControlKind::kRadioButton, {118, 15, 40, 10}, "Вост."),
      Control(TParamForm::kLongitudeDms, TControlKind::kButton, {180, 14, 18, 12}, "°"),
      Control(0, TControlKind::kGroupBox, {4, 32, 200, 26}, " Широта: "),
      Control(p.latitude, TControlKind::kEdit, {10, 42, 60, 12}),
      Control(p.north, TControlKind::kRadioButton, {76, 43, 40, 10}, "Сев."),
      Control(p.south, TControlKind::kRadioButton, {118, 43, 40, 10}, "Южн."),
      Control(TParamForm::kLatitudeDms, TControlKind::kButton, {180, 42, 18, 12}, "°"),
      Control(0, TControlKind::kGroupBox, {4, 60, 200, 38}, " Часовой пояс: "),
      Control(p.timeZone, TControlKind::kEdit, {10, 70, 36, 12}),
      Control(p.beforeGreenwich, TControlKind::kRadioButton, {50, 71, 66, 10}, "До Гринвича"),
      Control(p.afterGreenwich, TControlKind::kRadioButton, {118, 71, 80, 10}, "После Гринвича"),
      Control(TParamForm::kSystemTimeZone, TControlKind::kCheckBox, {10, 84, 180, 10},
              "По установкам системы"),
      Control(TParamForm::kCityListButton, TControlKind::kButton, {114, 100, 90, 14},
              "&Список городов"),
  };
}

std::vector<velplatform::TControlLayout> FontControls() {
  return {
      Control(0, TControlKind::kLabel, {4, 6, 84, 10}, "Обычный текст:"),
      Control(TParamForm::kNormalFont, TControlKind::kComboBox, {90, 4, 118, 12}),
      Control(0, TControlKind::kLabel, {4, 22, 84, 10}, "Греческие символы:"),
      Control(TParamForm::kGreekFont, TControlKind::kComboBox, {90, 20, 118, 12}),
  };
}

std::vector<velplatform::TControlLayout> ObjectControls() {
  return {
      Control(TParamForm::kStars, TControlKind::kCheckBox, {4, 4, 200, 10}, "Звёзды"),
      Control(TParamForm::kBoundaries, TControlKind::kCheckBox, {4, 15, 200, 10},
              "Границы созвездий"),
      Control(TParamForm::kConstellationNames, TControlKind::kCheckBox, {4, 26, 200, 10},
              "Наименования созвездий"),
      Control(TParamForm::kSolarSystem, TControlKind::kCheckBox, {4, 37, 150, 10},
              "Объекты солнечной системы:"),
      Control(TParamForm::kSolarChoice, TControlKind::kButton, {160, 36, 46, 12}, "Выбор"),
      Control(TParamForm::kFigures, TControlKind::kCheckBox, {4, 49, 200, 10},
              "Линии фигур созвездий"),
      Control(TParamForm::kDeepSky, TControlKind::kCheckBox, {4, 60, 204, 10},
              "Галактики, туманности, звёздные скопления"),
      Control(TParamForm::kProperNames, TControlKind::kCheckBox, {4, 76, 204, 10},
              "Собственные имена звезд в подписях"),
      Control(TParamForm::kHighPrecision, TControlKind::kCheckBox, {4, 88, 204, 10},
              "Всегда макс. точность в вычислениях"),
      Control(TParamForm::kObjectHints, TControlKind::kCheckBox, {4, 100, 204, 10},
              "Всплывающие подсказки на объектах"),
  };
}

std::vector<velplatform::TControlLayout> CoordinateControls() {
  return {
      Control(0, TControlKind::kGroupBox, {4, 4, 202, 24}, " Проекция неба: "),
      Control(TParamForm::kParallel, TControlKind::kRadioButton, {10, 14, 90, 10}, "Параллельная"),
      Control(TParamForm::kConic, TControlKind::kRadioButton, {106, 14, 90, 10}, "Коническая"),
      Control(0, TControlKind::kGroupBox, {4, 30, 202, 24}, " Отсчет азимута: "),
      Control(TParamForm::kFromNorth, TControlKind::kRadioButton, {10, 40, 90, 10}, "от севера"),
      Control(TParamForm::kFromSouth, TControlKind::kRadioButton, {106, 40, 90, 10}, "от юга"),
      Control(0, TControlKind::kGroupBox, {4, 56, 202, 24}, " Строка состояния: "),
      Control(TParamForm::kRightAscension, TControlKind::kRadioButton, {10, 66, 96, 10},
              "Прямое восхождение"),
      Control(TParamForm::kHourAngle, TControlKind::kRadioButton, {110, 66, 90, 10},
              "Часовой угол"),
      Control(0, TControlKind::kGroupBox, {4, 82, 202, 58}, " Рефракция: "),
      Control(TParamForm::kRefraction, TControlKind::kCheckBox, {10, 92, 190, 10},
              "Учет атмосферной рефракции"),
      Control(0, TControlKind::kLabel, {10, 106, 56, 10}, "Давление:"),
      Control(TParamForm::kPressure, TControlKind::kEdit, {68, 104, 36, 12}),
      Control(TParamForm::kMillimetres, TControlKind::kRadioButton, {108, 102, 90, 10},
              "мм. рт. столба"),
      Control(TParamForm::kMillibar, TControlKind::kRadioButton, {108, 112, 90, 10}, "мбар"),
      Control(0, TControlKind::kLabel, {10, 124, 56, 10}, "Температура:"),
      Control(TParamForm::kTemperature, TControlKind::kEdit, {68, 122, 36, 12}),
      Control(0, TControlKind::kLabel, {108, 124, 30, 10}, " ° C"),
  };
}

std::vector<velplatform::TControlLayout> PictureControls() {
  return {
      Control(0, TControlKind::kGroupBox, {4, 4, 200, 40}, " Фон неба: "),
      Control(TParamForm::kDayColour, TControlKind::kCheckBox, {8, 12, 194, 10},
              "Использовать цвет для дневного времени"),
      Control(TParamForm::kCivilTwilightColour, TControlKind::kCheckBox, {8, 22, 194, 10},
              "Использовать цвет для гражданских сумерек"),
      Control(TParamForm::kAstronomicalTwilightColour, TControlKind::kCheckBox, {8, 32, 194, 10},
              "Использовать цвет для астрономических сумерек"),
      Control(TParamForm::kBrightnessLimit, TControlKind::kCheckBox, {4, 46, 204, 10},
              "Ограничивать яркость видимых звезд днем и в сумерках"),
      Control(TParamForm::kMirror, TControlKind::kCheckBox, {4, 56, 100, 10},
              "Зеркальное изображение"),
      Control(TParamForm::kPrintAsBitmap, TControlKind::kCheckBox, {106, 56, 100, 10},
              "Печатать как растр"),
      Control(TParamForm::kShowAsBitmap, TControlKind::kCheckBox, {4, 66, 200, 10},
              "Рисовать на экране как растр"),
      Control(TParamForm::kPrintLegend, TControlKind::kCheckBox, {4, 76, 200, 10},
              "Добавлять легенду при печати"),
      Control(TParamForm::kPrintPreview, TControlKind::kCheckBox, {4, 86, 200, 10},
              "Предварительный просмотр печати"),
  };
}

int32_t FirstControlOf(TParamPage page) {
  switch (page) {
    case TParamPage::kPlace:
      return TParamForm::kPlace.longitude;
    case TParamPage::kFonts:
      return TParamForm::kNormalFont;
    case TParamPage::kObjects:
      return TParamForm::kStars;
    case TParamPage::kCoordinates:
      return TParamForm::kParallel;
    case TParamPage::kPicture:
      return TParamForm::kDayColour;
  }
  return TParamForm::kPlace.longitude;
}

}  // namespace

TParamForm::TParamForm(velplatform::TWindowHandle owner, sky::TSkyImage& image,
                       TConfiguration& configuration, TFontFamilies fonts,
                       std::filesystem::path cityFile, TParamPage firstPage)
    : owner_(owner),
      image_(image),
      configuration_(configuration),
      fonts_(std::move(fonts)),
      cityFile_(std::move(cityFile)),
      firstPage_(firstPage),
      openingTimeZone_(image.TimeZone()),
      openingSystemZone_(image.TimeZoneAutomatic()) {}

velplatform::TDialogLayout TParamForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Установка параметров");
  layout.width = 370;  // room for the five tabs in one row
  layout.height = 196;
  layout.controls.push_back(Control(kPages, TControlKind::kPageControl, {4, 4, 362, 168},
                                    "Точка наблюдения\nШрифты\nОбъекты\nКоординаты\nИзображение"));
  int32_t page = 0;
  for (auto part : {PlaceControls(), FontControls(), ObjectControls(), CoordinateControls(),
                    PictureControls()}) {  // in TParamPage order
    ++page;
    for (velplatform::TControlLayout& control : part) control.page = page;
    layout.controls.insert(layout.controls.end(), part.begin(), part.end());
  }
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {236, 176, 62, 16}, "&Верно"));
  layout.controls.push_back(Control(2, TControlKind::kCancelButton, {302, 176, 62, 16}, "&Отмена"));
  return layout;
}

void TParamForm::Init(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  InitPlace(controls);
  InitFonts(controls);
  InitObjects(controls);
  InitCoordinates(controls);
  InitPicture(controls);
  controls.SelectPage(kPages, ParamPageNumber(firstPage_));
  controls.Focus(FirstControlOf(firstPage_));
}

void TParamForm::InitPlace(TDialogControls& controls) {
  ShowPlace(controls, kPlace, {image_.Longitude(), image_.Latitude(), image_.TimeZone()});
  controls.SetChecked(kSystemTimeZone, image_.TimeZoneAutomatic());
  SystemTimeZoneChanged(controls);
}

void TParamForm::InitFonts(TDialogControls& controls) {
  FillFonts(controls, kNormalFont, fonts_.normal, image_.NormalFont());
  FillFonts(controls, kGreekFont, fonts_.greek, image_.GreekFont());
}

void TParamForm::InitObjects(TDialogControls& controls) {
  controls.SetChecked(kStars, image_.ObjectVisible(visibility::kStars));
  controls.SetChecked(kBoundaries, image_.ObjectVisible(visibility::kBoundaries));
  controls.SetChecked(kConstellationNames, image_.ObjectVisible(visibility::kNames));
  controls.SetChecked(kSolarSystem, image_.ObjectVisible(visibility::kSolarSystem));
  controls.SetChecked(kFigures, image_.ObjectVisible(visibility::kFigures));
  controls.SetChecked(kDeepSky, image_.ObjectVisible(visibility::kDeepSky));
  controls.SetChecked(kProperNames, image_.StarProperNames());
  controls.SetChecked(kHighPrecision, image_.AlwaysHighPrecision());
  controls.SetChecked(kObjectHints, configuration_.sky.objectHints);
}

void TParamForm::InitCoordinates(TDialogControls& controls) {
  CheckEither(controls, image_.Projection() != 0, kParallel, kConic);
  CheckEither(controls, image_.AzimuthFromSouth(), kFromNorth, kFromSouth);
  CheckEither(controls, configuration_.sky.hourAngleInStatusBar, kRightAscension, kHourAngle);
  controls.SetChecked(kRefraction, image_.Refraction());
  pressureInMillimetres_ = true;
  CheckRadio(controls, kMillimetres, kMillibar);
  SetFieldNumber(controls, kPressure, MillibarToShownMillimetres(image_.Pressure()), 0);
  SetFieldNumber(controls, kTemperature, std::round(image_.Temperature()), 0);
}

void TParamForm::InitPicture(TDialogControls& controls) {
  const uint8_t mode = image_.SkyColourMode();
  controls.SetChecked(kDayColour, mode >= 1);
  controls.SetChecked(kCivilTwilightColour, mode >= 2);
  controls.SetChecked(kAstronomicalTwilightColour, mode >= 3);
  SkyColourChanged(controls);
  controls.SetChecked(kBrightnessLimit, image_.SkyBrightnessLimit());
  controls.SetChecked(kMirror, image_.Mirror());
  controls.SetChecked(kPrintAsBitmap, configuration_.print.asBitmap);
  controls.SetChecked(kShowAsBitmap, image_.ShowAsBitmap());
  controls.SetChecked(kPrintLegend, configuration_.print.legend);
  controls.SetChecked(kPrintPreview, configuration_.print.preview);
}

void TParamForm::Changed(TDialogControls& controls, int32_t id) {
  if (updating_) return;
  const TSelfUpdate update(updating_);
  if (id == kSystemTimeZone) {
    SystemTimeZoneChanged(controls);
  } else if (id == kMillimetres || id == kMillibar) {
    PressureUnitChanged(controls);
  } else if (id == kDayColour || id == kCivilTwilightColour) {
    SkyColourChanged(controls);
  }
}

void TParamForm::SystemTimeZoneChanged(TDialogControls& controls) {
  const bool system = controls.Checked(kSystemTimeZone);
  image_.SetTimeZoneAutomatic(system);
  if (system) ShowTimeZone(controls, kPlace, image_.TimeZone());
  for (int32_t id : {kPlace.timeZone, kPlace.beforeGreenwich, kPlace.afterGreenwich}) {
    controls.SetEnabled(id, !system);
  }
}

void TParamForm::PressureUnitChanged(TDialogControls& controls) {
  const bool millimetres = controls.Checked(kMillimetres);
  // Both buttons of the pair report the switch; the value is converted once.
  if (millimetres == pressureInMillimetres_) return;
  pressureInMillimetres_ = millimetres;
  const double shown = FieldNumber(controls, kPressure);
  SetFieldNumber(
      controls, kPressure,
      millimetres ? MillibarToShownMillimetres(shown) : MillimetresToShownMillibar(shown), 0);
}

void TParamForm::SkyColourChanged(TDialogControls& controls) {
  const bool day = controls.Checked(kDayColour);
  if (!day) controls.SetChecked(kCivilTwilightColour, false);
  const bool civil = controls.Checked(kCivilTwilightColour);
  if (!civil) controls.SetChecked(kAstronomicalTwilightColour, false);
  controls.SetEnabled(kCivilTwilightColour, day);
  controls.SetEnabled(kAstronomicalTwilightColour, civil);
}

bool TParamForm::Command(TDialogControls& controls, int32_t id) {
  const TSelfUpdate update(updating_);
  switch (id) {
    case kLongitudeDms:
      EditDegreesField(owner_, controls, kPlace.longitude);
      break;
    case kLatitudeDms:
      EditDegreesField(owner_, controls, kPlace.latitude);
      break;
    case kSolarChoice:
      ShowSolarForm(owner_, image_);
      break;
    case kCityListButton:
      ChooseCity(controls);
      break;
    default:
      break;
  }
  return false;
}

void TParamForm::ChooseCity(TDialogControls& controls) {
  const std::optional<TCityData> city = ShowViewCityList(
      owner_, cityFile_, ReadLongitude(controls, kPlace), ReadLatitude(controls, kPlace));
  if (!city) return;
  controls.SetChecked(kSystemTimeZone, false);
  SystemTimeZoneChanged(controls);
  ShowPlace(controls, kPlace, *city);
}

bool TParamForm::Accept(TDialogControls& controls) {
  AcceptPlace(controls);
  AcceptOptions(controls);
  return true;
}

void TParamForm::AcceptPlace(const TDialogControls& controls) {
  image_.SetLongitude(ReadLongitude(controls, kPlace));
  image_.SetLatitude(ReadLatitude(controls, kPlace));
  const bool system = controls.Checked(kSystemTimeZone);
  image_.SetTimeZoneAutomatic(system);
  if (!system) image_.SetTimeZone(ReadTimeZone(controls, kPlace));
}

void TParamForm::AcceptOptions(const TDialogControls& controls) {
  image_.SetFonts(FontName(controls, kNormalFont), FontName(controls, kGreekFont));
  configuration_.sky.objectHints = controls.Checked(kObjectHints);
  image_.SetRefraction(controls.Checked(kRefraction));
  image_.SetPressure(StoredPressureMbar(FieldNumber(controls, kPressure), pressureInMillimetres_));
  image_.SetTemperature(StoredTemperatureC(FieldNumber(controls, kTemperature)));
  image_.SetObjectVisible(visibility::kStars, controls.Checked(kStars));
  image_.SetObjectVisible(visibility::kBoundaries, controls.Checked(kBoundaries));
  image_.SetObjectVisible(visibility::kNames, controls.Checked(kConstellationNames));
  image_.SetObjectVisible(visibility::kFigures, controls.Checked(kFigures));
  image_.SetObjectVisible(visibility::kSolarSystem, controls.Checked(kSolarSystem));
  image_.SetObjectVisible(visibility::kDeepSky, controls.Checked(kDeepSky));
  image_.SetProjection(controls.Checked(kConic) ? 1 : 0);
  image_.SetAzimuthFromSouth(controls.Checked(kFromSouth));
  image_.SetMirror(controls.Checked(kMirror));
  image_.SetStarProperNames(controls.Checked(kProperNames));
  image_.SetAlwaysHighPrecision(controls.Checked(kHighPrecision));
  image_.SetSkyBrightnessLimit(controls.Checked(kBrightnessLimit));
  image_.SetShowAsBitmap(controls.Checked(kShowAsBitmap));
  configuration_.print.asBitmap = controls.Checked(kPrintAsBitmap);
  configuration_.print.legend = controls.Checked(kPrintLegend);
  configuration_.print.preview = controls.Checked(kPrintPreview);
  configuration_.sky.hourAngleInStatusBar = controls.Checked(kHourAngle);
  int mode = 0;
  for (int32_t id : {kDayColour, kCivilTwilightColour, kAstronomicalTwilightColour}) {
    if (controls.Checked(id)) ++mode;
  }
  image_.SetSkyColourMode(static_cast<uint8_t>(mode));
}

void TParamForm::Cancel() {
  image_.SetTimeZoneAutomatic(openingSystemZone_);
  if (!openingSystemZone_) image_.SetTimeZone(openingTimeZone_);
}

bool ShowParamForm(velplatform::TWindowHandle owner, sky::TSkyImage& image,
                   TConfiguration& configuration, const TFontFamilies& fonts,
                   const std::filesystem::path& cityFile, TParamPage firstPage) {
  TParamForm form(owner, image, configuration, fonts, cityFile, firstPage);
  if (velplatform::RunDialog(owner, TParamForm::Layout(), form)) return true;
  form.Cancel();
  return false;
}

}  // namespace velarion::ui
