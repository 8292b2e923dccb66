// TParamForm ("Установка параметров"): the observing place, the fonts, what is shown, the
// coordinates and atmosphere, and the picture options, each on its page; the page a caller
// asks for is shown first, its first control focused.
//
// What the sky image holds is applied to it; the rest (object hints, the printing options,
// the status-bar coordinate) goes into the configuration.
#ifndef VELARION_APP_UI_DIALOGS_PARSET_H
#define VELARION_APP_UI_DIALOGS_PARSET_H

#include "Configuration.h"
#include "Dialogs.h"
#include "PlaceFields.h"
#include "SkyImage.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velarion::ui {

// The installed font families (CP1251): those with the symbol character set for the Greek
// list, the others for the normal one.
struct TFontFamilies {
  std::vector<std::string> normal;
  std::vector<std::string> greek;
};

enum class TParamPage : uint8_t { kPlace, kFonts, kObjects, kCoordinates, kPicture };

// The page's number in the page control.
constexpr int32_t ParamPageNumber(TParamPage page) { return static_cast<int32_t>(page) + 1; }

class TParamForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kPages = 101;
  // "Точка наблюдения"
  static constexpr TPlaceFieldIds kPlace{201, 202, 203, 205, 206, 207, 209, 210, 211};
  static constexpr int32_t kLongitudeDms = 204;
  static constexpr int32_t kLatitudeDms = 208;
  static constexpr int32_t kSystemTimeZone = 212;
  static constexpr int32_t kCityListButton = 213;
  // "Шрифты"
  static constexpr int32_t kNormalFont = 301;
  static constexpr int32_t kGreekFont = 302;
  // "Объекты"
  static constexpr int32_t kStars = 401;
  static constexpr int32_t kBoundaries = 402;
  static constexpr int32_t kConstellationNames = 403;
  static constexpr int32_t kSolarSystem = 404;
  static constexpr int32_t kSolarChoice = 405;
  static constexpr int32_t kFigures = 406;
  static constexpr int32_t kDeepSky = 407;
  static constexpr int32_t kProperNames = 408;
  static constexpr int32_t kHighPrecision = 409;
  static constexpr int32_t kObjectHints = 410;
  // "Координаты"
  static constexpr int32_t kParallel = 501;
  static constexpr int32_t kConic = 502;
  static constexpr int32_t kFromNorth = 503;
  static constexpr int32_t kFromSouth = 504;
  static constexpr int32_t kRightAscension = 505;
  static constexpr int32_t kHourAngle = 506;
  static constexpr int32_t kRefraction = 507;
  static constexpr int32_t kPressure = 508;
  static constexpr int32_t kMillimetres = 509;
  static constexpr int32_t kMillibar = 510;
  static constexpr int32_t kTemperature = 511;
  // "Изображение"
  static constexpr int32_t kDayColour = 601;
  static constexpr int32_t kCivilTwilightColour = 602;
  static constexpr int32_t kAstronomicalTwilightColour = 603;
  static constexpr int32_t kBrightnessLimit = 604;
  static constexpr int32_t kMirror = 605;
  static constexpr int32_t kPrintAsBitmap = 606;
  static constexpr int32_t kShowAsBitmap = 607;
  static constexpr int32_t kPrintLegend = 608;
  static constexpr int32_t kPrintPreview = 609;

  TParamForm(velplatform::TWindowHandle owner, sky::TSkyImage& image, TConfiguration& configuration,
             TFontFamilies fonts, std::filesystem::path cityFile,
             TParamPage firstPage = TParamPage::kPlace);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  // "&Отмена": the time zone and its system flag as they were at opening (the system flag
  // takes effect on the image at once).
  void Cancel();

 private:
  void InitPlace(velplatform::TDialogControls& controls);
  void InitFonts(velplatform::TDialogControls& controls);
  void InitObjects(velplatform::TDialogControls& controls);
  void InitCoordinates(velplatform::TDialogControls& controls);
  void InitPicture(velplatform::TDialogControls& controls);
  void SystemTimeZoneChanged(velplatform::TDialogControls& controls);
  void PressureUnitChanged(velplatform::TDialogControls& controls);
  void SkyColourChanged(velplatform::TDialogControls& controls);
  void ChooseCity(velplatform::TDialogControls& controls);
  void AcceptPlace(const velplatform::TDialogControls& controls);
  void AcceptOptions(const velplatform::TDialogControls& controls);

  velplatform::TWindowHandle owner_;
  sky::TSkyImage& image_;
  TConfiguration& configuration_;
  TFontFamilies fonts_;
  std::filesystem::path cityFile_;
  TParamPage firstPage_;
  double openingTimeZone_;
  bool openingSystemZone_;
  bool pressureInMillimetres_ = true;
  bool updating_ = false;
};

// Shows the dialog over the image and the configuration; true when "&Верно" applied it.
bool ShowParamForm(velplatform::TWindowHandle owner, sky::TSkyImage& image,
                   TConfiguration& configuration, const TFontFamilies& fonts,
                   const std::filesystem::path& cityFile,
                   TParamPage firstPage = TParamPage::kPlace);

}  // namespace velarion::ui

#endif
