// The program's own settings in "Velarion.ini": every key the main window reads at start
// and writes back at the end, as one value type with the defaults of a fresh installation.
//
// Reading follows the file's long-standing rules: a missing key gives the default; a number
// that does not parse reads as 0; a flag "not 0" is on for any text but "0", a flag "= 1"
// only for "1". The few limits applied here are those the file itself defines:
//   ConsoleSize 10 … 80, RefInterval 1 … 6, the console font size used only when 6 … 48,
//   InfoFormSize used only when it starts with a digit 1 … 9, NormalText and GreekText cut
//   to 31 characters, a fixed TimeZone kept to −12 … +14 h (zones +13 and +14 exist) and a
//   RotTime that is not a positive number replaced by the default step.
// Every other range belongs to the sky image's setters, which receive these values and
// enforce them there: star and label limits (−200 … 700, detailed −200 … 2000), label font
// sizes 1 … 10, star sizes 1 … 24, sky colour mode 0 … 3, longitude reduced to (−180, 180],
// latitude clamped to [−90, 90]; colour scheme positions outside their lists select 0; the
// main window fits its placement to the screen. Texts are CP1251, as everywhere else.
#ifndef VELARION_APP_UI_CONFIGURATION_H
#define VELARION_APP_UI_CONFIGURATION_H

#include "IniDocument.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velarion::ui {

struct TConfigKey {
  std::string_view section;
  std::string_view key;
};

// Section and key names exactly as the file has always spelled them.
namespace configkeys {

inline constexpr std::string_view kWindow = "Window";
inline constexpr std::string_view kConsole = "Console";
inline constexpr std::string_view kSky = "Sky";
inline constexpr std::string_view kLocation = "Location";
inline constexpr std::string_view kPrint = "Print";
inline constexpr std::string_view kGrid = "Grid";

inline constexpr TConfigKey kMain{kWindow, "Main"};
inline constexpr TConfigKey kPopToolBar{kWindow, "PopToolBar"};
inline constexpr TConfigKey kShowConsole{kWindow, "ShowConsole"};
inline constexpr TConfigKey kConsoleSize{kWindow, "ConsoleSize"};
inline constexpr TConfigKey kInfoFormSize{kWindow, "InfoFormSize"};
inline constexpr TConfigKey kAutoSaveConsole{kConsole, "AutoSaveConsole"};
inline constexpr TConfigKey kAutoShowConsole{kConsole, "AutoShowConsole"};
inline constexpr TConfigKey kFont{kConsole, "Font"};
inline constexpr TConfigKey kAutoFontSize{kConsole, "AutoFontSize"};
inline constexpr TConfigKey kProjection{kSky, "Projection"};
inline constexpr TConfigKey kObjHints{kSky, "ObjHints"};
inline constexpr TConfigKey kEtUt{kSky, "ET-UT"};
inline constexpr TConfigKey kRefraction{kSky, "Refraction"};
inline constexpr TConfigKey kAtPress{kSky, "AtPress"};
inline constexpr TConfigKey kAtTemp{kSky, "AtTemp"};
inline constexpr TConfigKey kAzZeroPoint{kSky, "AzZeroPoint"};
inline constexpr TConfigKey kMirrorView{kSky, "MirrorView"};
inline constexpr TConfigKey kTimeZone{kLocation, "TimeZone"};
inline constexpr TConfigKey kLongitude{kLocation, "Longitude"};
inline constexpr TConfigKey kLatitude{kLocation, "Latitude"};
inline constexpr TConfigKey kObjectsVis{kSky, "ObjectsVis"};
inline constexpr TConfigKey kChangeSpaceColor{kSky, "ChangeSpaceColor"};
inline constexpr TConfigKey kMaxStarV{kSky, "MaxStarV"};
inline constexpr TConfigKey kMaxLabelV{kSky, "MaxLabelV"};
inline constexpr TConfigKey kRFontSize{kSky, "RFontSize"};
inline constexpr TConfigKey kBLevels{kSky, "BLevels"};
inline constexpr TConfigKey kDMaxStarV{kSky, "DMaxStarV"};
inline constexpr TConfigKey kDMaxLabelV{kSky, "DMaxLabelV"};
inline constexpr TConfigKey kDRFontSize{kSky, "DRFontSize"};
inline constexpr TConfigKey kDBLevels{kSky, "DBLevels"};
inline constexpr TConfigKey kNormalText{kSky, "NormalText"};
inline constexpr TConfigKey kGreekText{kSky, "GreekText"};
inline constexpr TConfigKey kRotTime{kSky, "RotTime"};
inline constexpr TConfigKey kScreenColor{kSky, "ScreenColor"};
inline constexpr TConfigKey kPrintColor{kSky, "PrintColor"};
inline constexpr TConfigKey kRefInterval{kSky, "RefInterval"};
inline constexpr TConfigKey kRotDirection{kSky, "RotDirection"};
inline constexpr TConfigKey kRealTime{kSky, "RealTime"};
inline constexpr TConfigKey kStarPropNames{kSky, "StarPropNames"};
inline constexpr TConfigKey kAlwaysHighPrecision{kSky, "AlwaysHighPrecision"};
inline constexpr TConfigKey kVRestrict{kSky, "VRestrict"};
inline constexpr TConfigKey kShowAsBitmap{kSky, "ShowAsBitmap"};
inline constexpr TConfigKey kPrintAsBitmap{kPrint, "PrintAsBitmap"};
inline constexpr TConfigKey kPrintLegend{kPrint, "PrintLegend"};
inline constexpr TConfigKey kPrintPreview{kPrint, "PrintPreview"};
inline constexpr TConfigKey kPrintToFile{kPrint, "PrintToFile"};
inline constexpr TConfigKey kPrintOrientation{kPrint, "PrintOrientation"};
inline constexpr TConfigKey kLineVis{kGrid, "LineVis"};
inline constexpr TConfigKey kLineStep{kGrid, "LineStep"};
inline constexpr TConfigKey kAzAuto{kGrid, "AzAuto"};
inline constexpr TConfigKey kEqAuto{kGrid, "EqAuto"};
inline constexpr TConfigKey kAzGrid{kGrid, "AzGrid"};
inline constexpr TConfigKey kEqGrid{kGrid, "EqGrid"};
inline constexpr TConfigKey kSaveStateFlags{kSky, "SaveStateFlags"};
inline constexpr TConfigKey kEqCoordInStatusBar{kSky, "EqCoordInStatusBar"};
inline constexpr TConfigKey kPathOrder{kSky, "PathOrder"};

// Every key above, in reading order (the order a new file lists them in).
inline constexpr std::array kAll{
    kMain,
    kPopToolBar,
    kShowConsole,
    kConsoleSize,
    kInfoFormSize,
    kAutoSaveConsole,
    kAutoShowConsole,
    kFont,
    kAutoFontSize,
    kProjection,
    kObjHints,
    kEtUt,
    kRefraction,
    kAtPress,
    kAtTemp,
    kAzZeroPoint,
    kMirrorView,
    kTimeZone,
    kLongitude,
    kLatitude,
    kObjectsVis,
    kChangeSpaceColor,
    kMaxStarV,
    kMaxLabelV,
    kRFontSize,
    kBLevels,
    kDMaxStarV,
    kDMaxLabelV,
    kDRFontSize,
    kDBLevels,
    kNormalText,
    kGreekText,
    kRotTime,
    kScreenColor,
    kPrintColor,
    kRefInterval,
    kRotDirection,
    kRealTime,
    kStarPropNames,
    kAlwaysHighPrecision,
    kVRestrict,
    kShowAsBitmap,
    kPrintAsBitmap,
    kPrintLegend,
    kPrintPreview,
    kPrintToFile,
    kPrintOrientation,
    kLineVis,
    kLineStep,
    kAzAuto,
    kEqAuto,
    kAzGrid,
    kEqGrid,
    kSaveStateFlags,
    kEqCoordInStatusBar,
    kPathOrder,
};

}  // namespace configkeys

inline constexpr int32_t kMinConsoleSizePercent = 10;
inline constexpr int32_t kMaxConsoleSizePercent = 80;
inline constexpr int32_t kMinConsoleFontSize = 6;
inline constexpr int32_t kMaxConsoleFontSize = 48;
inline constexpr int32_t kMinRefreshIntervalCode = 1;
inline constexpr int32_t kMaxRefreshIntervalCode = 6;
inline constexpr double kMinTimeZoneHours = -12.0;
inline constexpr double kMaxTimeZoneHours = 14.0;
inline constexpr std::size_t kMaxSkyFontNameLength = 31;
inline constexpr double kDefaultTimeStepDays = 0.003472222222;  // 5 minutes

// The main window's normal (not maximised) placement.
struct TWindowPlacement {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool maximised = false;
  bool operator==(const TWindowPlacement&) const = default;
};

struct TWindowSettings {
  TWindowPlacement main{0, 0, 480, 500, true};
  bool popToolBar = false;
  bool showConsole = false;
  double consoleSizePercent = 35.0;
  // Left, top, right, bottom of the object information window; none until it is placed.
  std::optional<std::array<int32_t, 4>> infoFormPlacement;
  bool operator==(const TWindowSettings&) const = default;
};

struct TConsoleFont {
  std::string name = "Courier New";
  int32_t sizePoints = 9;
  bool operator==(const TConsoleFont&) const = default;
};

struct TConsoleSettings {
  bool autoSave = true;
  bool autoShow = true;
  TConsoleFont font;
  bool autoFontSize = true;
  bool operator==(const TConsoleSettings&) const = default;
};

// "ObjectsVis": items 1 … 4, 15 and 16 as flags, items 5 … 14 as the bits 0 … 9 of a word
// (the Sun, the Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto).
struct TVisibility {
  bool stars = true;
  bool constellationBoundaries = true;
  bool constellationNames = true;
  bool constellationFigures = false;
  uint16_t bodyBits = 0x3F;  // the Sun to Jupiter
  bool deepSky = false;
  bool solarSystem = true;
  bool operator==(const TVisibility&) const = default;
};

// Display limits of one view mode (quick, or detailed above 600 percent).
struct TStarDisplay {
  int32_t starLimit = 0;   // magnitude × 100
  int32_t labelLimit = 0;  // magnitude × 100
  double labelFontSize = 0.0;
  int32_t starSizes = 0;
  bool operator==(const TStarDisplay&) const = default;
};

struct TAtmosphere {
  bool refraction = true;
  double pressureMbar = 1013.0;
  double temperatureCelsius = 20.0;
  bool operator==(const TAtmosphere&) const = default;
};

struct TAutoRotation {
  double timeStepDays = kDefaultTimeStepDays;
  int32_t refreshIntervalCode = 2;  // 1 … 6: 50, 100, 200, 300, 500, 1000 ms
  bool forward = true;
  bool realTime = false;
  bool operator==(const TAutoRotation&) const = default;
};

struct TSkySettings {
  bool stereographic = true;
  bool objectHints = true;
  std::optional<double> deltaTSeconds;  // none: automatic
  TAtmosphere atmosphere;
  bool azimuthFromSouth = false;
  bool mirrorView = false;
  TVisibility visibility;
  int32_t skyColourMode = 3;
  TStarDisplay quick{500, 100, 7.0, 14};
  TStarDisplay detailed{650, 100, 7.0, 14};
  std::string normalFont = "Arial";
  std::string greekFont = "Symbol";
  int32_t screenSchemePosition = 0;
  int32_t printSchemePosition = 0;
  TAutoRotation autoRotation;
  bool starProperNames = false;
  bool alwaysHighPrecision = true;
  bool limitBySkyState = false;
  bool showAsBitmap = true;
  std::array<bool, 7> saveStateFlags{false, true, true, false, false, false, false};
  bool hourAngleInStatusBar = false;
  bool pathsBeforeGroups = false;
  bool operator==(const TSkySettings&) const = default;
};

struct TLocation {
  std::optional<double> timeZoneHours;  // none: from the operating system
  double longitudeDeg = 39.1951;        // east positive
  double latitudeDeg = 51.6680;
  bool operator==(const TLocation&) const = default;
};

struct TPrintSettings {
  bool asBitmap = false;
  bool legend = true;
  bool preview = true;
  bool toFile = false;
  int32_t orientation = 0;  // 0 portrait, 1 landscape
  bool operator==(const TPrintSettings&) const = default;
};

struct TGridSettings {
  std::array<bool, 4> lineVisible{};
  std::array<int32_t, 4> lineStep{600, 600, 3600, 600};
  bool azimuthAutoStep = true;
  bool equatorialAutoStep = true;
  bool horizontalGridShown = true;
  bool equatorialGridShown = true;
  bool operator==(const TGridSettings&) const = default;
};

struct TConfiguration {
  TWindowSettings window;
  TConsoleSettings console;
  TSkySettings sky;
  TLocation location;
  TPrintSettings print;
  TGridSettings grid;
  bool operator==(const TConfiguration&) const = default;
};

TConfiguration ReadConfiguration(const velplatform::TIniDocument& file);

// Sets exactly the keys of `configkeys::kAll`; a key whose text is already the one to be
// written is left as it stands, so that a hand-edited line keeps its spacing and quotes.
void WriteConfiguration(const TConfiguration& c, velplatform::TIniDocument& file);

}  // namespace velarion::ui

#endif
