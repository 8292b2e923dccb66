// TSkyImage: everything that defines the current view (place, moment, zoom, projection,
// display limits, fonts, colour schemes) and the redraw that turns it into a picture: the
// horizon disc laid out, the projection set, every group given its view and calculated,
// every group drawn, the selection marked, objects found under a pixel.
#ifndef VELARION_APP_SKY_SKYIMAGE_H
#define VELARION_APP_SKY_SKYIMAGE_H

#include "BoundaryRecords.h"
#include "ColorSchemes.h"
#include "DrawDevice.h"
#include "Projection.h"
#include "SkyBitmapCanvas.h"
#include "SkyObj.h"
#include "SkyOutputDevice.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velarion::sky {

using groups::TGroupList;
using groups::TSkyObjectGroup;

// What the window system tells about the screen; injected so that tests fix it.
struct TScreenMetrics {
  double dpiX = 96.0;
  double dpiY = 96.0;
  // Client height of a full-screen window without menu, frame, status and tool bars.
  int32_t usableHeight = 1000;
  int32_t scrollBarSize = 16;
};

struct TLocalDateTime {
  int32_t day = 1;
  int32_t month = 1;
  int32_t year = 2000;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};

// The computer's clock and its time zone (hours east, daylight saving in force included);
// injected so that tests fix them. Now is the clock's universal moment whatever the zone of
// the place shown: the zone only says how that moment reads there.
struct TClockSource {
  std::function<double()> utcMjd;
  std::function<double()> timeZoneHours;
};
// The operating system's clock and zone.
TClockSource SystemClock();

// The positions of the visibility switches ("ObjectsVis"): 1 … 4, 15 and 16 are flags,
// 5 … 14 the bodies from the Sun to Pluto, kept as the bits 0 … 9 of the body word
// (kit::TBodySwitch).
namespace visibility {
inline constexpr int kStars = 1, kBoundaries = 2, kNames = 3, kFigures = 4;
inline constexpr int kFirstBody = 5, kLastBody = kFirstBody + kit::kBodySwitchCount - 1;
inline constexpr int kDeepSky = 15, kSolarSystem = 16;
}  // namespace visibility

struct TSelectedObject {
  TSkyObjectGroup* group;
  int32_t index;
  bool operator==(const TSelectedObject&) const = default;
};

struct TGridSettings {
  std::array<uint8_t, 4> lineVisible{};
  std::array<int32_t, 4> lineStep{600, 600, 3600, 600};
  uint8_t azimuthAuto = 1;
  uint8_t equatorialAuto = 1;
  uint8_t azimuthGrid = 1;
  uint8_t equatorialGrid = 1;
};

// The texts of the status bar's first three panels after a view change.
struct TStatusTexts {
  std::string zoom;
  std::string localMoment;
  std::string place;
};

class TSkyImage {
 public:
  static constexpr int32_t kMinZoom = 50;
  static constexpr int32_t kMaxZoom = 200000;
  static constexpr int32_t kQuickZoomLimit = 600;
  static constexpr double kMinLocalMjd = -4330712.0;         // 1 Jan -9998 (Julian), 0 h
  static constexpr double kMaxLocalMjd = 2973483.999988426;  // 31 Dec 9999, 23:59:59
  static constexpr int32_t kNoStars = -2147483647;

  explicit TSkyImage(TScreenMetrics screen = {}, TClockSource clock = SystemClock());

  // ---- Groups ----
  void SetGroupLists(TGroupList* main, TGroupList* paths);

  // ---- Place and moment ----
  void SetMjd(double mjdUt);  // the local moment is kept within the calendar's range
  double Mjd() const { return mjd_; }
  double MjdDynamical() const { return mjd_ + deltaTDays_; }
  // Local mean sidereal time (hours), the one the view records carry to the groups.
  double SiderealTime() const { return siderealTime_; }
  // Local apparent sidereal time (hours): the hour angle of the true equinox of date, the
  // one the projection turns the sky by and that goes with true-of-date places.
  double ApparentSiderealTime() const { return apparentSiderealTime_; }
  void SetDeltaTAutomatic(bool automatic);
  void SetDeltaTSeconds(double seconds);  // ignored while automatic
  bool DeltaTAutomatic() const { return deltaTAutomatic_; }
  double DeltaTDays() const { return deltaTDays_; }
  void SetTimeZoneAutomatic(bool automatic);
  void SetTimeZone(double hours);  // ignored while automatic; kept in -12 .. 14
  bool TimeZoneAutomatic() const { return timeZoneAutomatic_; }
  double TimeZone() const { return timeZone_; }
  void SetLongitude(double degreesEast);  // reduced to (-180, 180]
  void SetLatitude(double degrees);       // clamped to [-90, 90]
  double Longitude() const { return longitude_; }
  double Latitude() const { return latitude_; }
  void SetTimeNow();
  // The computer clock's moment (UT); the view's moment without a clock.
  double NowMjd() const;
  // The moment given in the local time of the current zone.
  void SetLocalTime(const TLocalDateTime& local);
  // CalDat of the local moment rounded to 1e-6 day.
  TLocalDateTime GetLocalDate(double& hour) const;

  // ---- Projection and atmosphere ----
  void SetProjection(uint8_t projection);
  void SetRefraction(bool on);
  void SetPressure(double mbar);
  void SetTemperature(double celsius);
  void SetAzimuthFromSouth(bool fromSouth);
  void SetMirror(bool mirror);
  void SetViewRotation(double degrees);  // reduced to [0, 360)
  uint8_t Projection() const { return projection_; }
  bool Refraction() const { return refraction_; }
  double Pressure() const { return pressure_; }
  double Temperature() const { return temperature_; }
  bool AzimuthFromSouth() const { return azimuthFromSouth_; }
  bool Mirror() const { return mirror_; }
  double ViewRotation() const { return rotation_; }

  // ---- What is shown ----
  // Positions 1 .. 16 of "ObjectsVis"; 5 .. 14 live as the bits of the body word.
  void SetObjectVisible(int position, bool visible);
  bool ObjectVisible(int position) const;
  uint16_t BodyBits() const { return bodyBits_; }
  void SetSkyColourMode(uint8_t mode);
  void SetStarProperNames(bool on);
  void SetAlwaysHighPrecision(bool on);
  void SetSkyBrightnessLimit(bool on);      // "VRestrict"
  void SetStarLimit(int32_t magnitude100);  // quick view, -200 .. 700
  void SetLabelLimit(int32_t magnitude100);
  void SetLabelFontSize(double size);               // 1 .. 10
  void SetStarSizes(int32_t count);                 // 1 .. 24
  void SetDetailedStarLimit(int32_t magnitude100);  // -200 .. 2000
  void SetDetailedLabelLimit(int32_t magnitude100);
  void SetDetailedLabelFontSize(double size);
  void SetDetailedStarSizes(int32_t count);
  void SetFonts(std::string normal, std::string greek);
  void SetGridSettings(const TGridSettings& grid);
  void SetPathOrder(bool pathsFirst);
  bool StarProperNames() const { return starProperNames_; }
  bool AlwaysHighPrecision() const { return alwaysHighPrecision_; }
  bool SkyBrightnessLimit() const { return skyBrightnessLimit_; }
  bool PathsFirst() const { return pathsFirst_; }
  uint8_t SkyColourMode() const { return skyColourMode_; }
  int32_t StarLimit(bool detailed) const { return detailed ? detailedStarLimit_ : starLimit_; }
  int32_t LabelLimit(bool detailed) const { return detailed ? detailedLabelLimit_ : labelLimit_; }
  int32_t StarSizes(bool detailed) const { return detailed ? detailedStarSizes_ : starSizes_; }
  double LabelFontSize(bool detailed) const { return detailed ? detailedFontSize_ : fontSize_; }
  const TGridSettings& GridSettings() const { return grid_; }
  const std::string& NormalFont() const { return normalFont_; }
  const std::string& GreekFont() const { return greekFont_; }

  // ---- Colours ----
  void SetColorSchemes(TColorSchemePtr screen, TColorSchemePtr printer);
  void SetPrinting(bool printing);
  // The screen or printer scheme in use (a default one when none was given).
  const TColorScheme& Scheme(bool printer) const;
  const TColorScheme& CurrentScheme() const { return Scheme(printing_); }
  TColor BackgroundColor() const { return background_; }
  uint8_t SkyState() const { return skyState_; }

  // ---- Layout ----
  void SetZoom(int32_t zoom) { UpdateLayout(zoom); }
  int32_t Zoom() const { return zoom_; }
  bool DetailedView() const { return zoom_ > kQuickZoomLimit; }
  void SetViewRect(int32_t clientWidth, int32_t clientHeight, int32_t scrollX, int32_t scrollY,
                   bool horizontalBar, bool verticalBar);
  // The disc in the middle of the client whatever its size (pictures and prints).
  void SetAlwaysCentred(bool centred) { alwaysCentred_ = centred; }
  // A picture of this size at this zoom with nothing scrolled: the disc in the middle in
  // the quick view, the zenith in the middle in the detailed view.
  void SetPictureView(int32_t width, int32_t height, int32_t zoom);
  void UpdateLayout(int32_t zoom);
  int32_t CentreX() const { return cx_; }
  int32_t CentreY() const { return cy_; }
  int32_t Radius() const { return radius_; }
  double YScale() const { return yScale_; }

  // ---- The redraw ----
  // Composing off screen ("ShowAsBitmap"); switching it off releases the canvas.
  void SetShowAsBitmap(bool on);
  bool ShowAsBitmap() const { return showAsBitmap_; }
  // The off-screen canvas at the client's size, or none when the picture is drawn straight
  // onto the window.
  TDrawDevice* OffscreenCanvas();
  // Gives the canvas's memory back while the program is not in use; the next paint makes it.
  void ReleaseOffscreenCanvas() { offscreen_.Release(); }
  bool ViewChanged() const { return viewChanged_; }
  void MarkViewChanged() { Change(); }
  // Counts every change of the view: what was computed for one view is stale in the next.
  uint64_t ViewGeneration() const { return viewGeneration_; }
  // Prepares the view when it changed, then (with `paint`) draws the picture onto the device.
  void PaintSky(TDrawDevice& device, bool paint, bool keepCentre = false);
  // Lays out fonts, star images and projection and calculates every group.
  void PrepareView(TDrawDevice& device);
  const TStatusTexts& StatusTexts() const { return status_; }
  TSkyOutputDevice& OutputDevice() { return output_; }
  kit::TRefreshParamBytes RefreshParamRecord() const;
  int32_t FontHeight() const { return fontHeight_; }
  int32_t LetterWidth() const { return letterWidth_; }
  const TSymbolImages& SymbolImages() const { return images_; }
  void SetSymbolFontInstalled(bool installed) { output_.SetSymbolFontInstalled(installed); }

  // ---- Selection ----
  void SelectSkyObject(TSkyObjectGroup* group, int32_t index);
  void AddSelectedObject(TSkyObjectGroup* group, int32_t index);
  void ClearSelection() { selection_.clear(); }
  const std::vector<TSelectedObject>& Selection() const { return selection_; }
  bool GetSelectionCentre(int32_t& x, int32_t& y) const;
  void DrawSelectionMarks(TDrawDevice& device) const;
  // Adds the objects that paint a pixel next to (x, y) to the selection.
  void PickObjects(int32_t x, int32_t y, bool selectableOnly);
  // Those objects, in drawing order, the selection left as it is (the hint names them).
  std::vector<TSelectedObject> ObjectsAt(int32_t x, int32_t y, bool selectableOnly);

  // ---- Magnitudes ----
  int32_t EffectiveStarLimit() const;
  int32_t SymbolSizeForMagnitude(int32_t magnitude100) const;

 private:
  void Change() {
    viewChanged_ = true;
    ++viewGeneration_;
  }
  template <typename T>
  void Assign(T& field, T value) {
    if (field != value) {
      field = value;
      Change();
    }
  }
  void RecomputeTimes();
  TProjectionSetup ProjectionSetup() const;
  void AskSunForBackground();
  void PrepareSymbolImages(TDrawDevice& device, double scale, double zoomFactor);
  groups::TObjectRect VisibleRect() const;
  void CalculateGroups();
  void DrawGroups(TDrawDevice& device);
  std::vector<groups::TGroupListElement*> DrawingOrder() const;
  uint8_t ViewMode() const { return DetailedView() ? 1 : 0; }
  void WriteStatusTexts();

  TScreenMetrics screen_;
  TClockSource clock_;
  TGroupList* mainList_ = nullptr;
  TGroupList* pathList_ = nullptr;

  double mjd_ = velcommon::kMjdJ2000;
  double deltaTDays_ = 0.0;
  bool deltaTAutomatic_ = true;
  double siderealTime_ = 0.0;
  double apparentSiderealTime_ = 0.0;
  double timeZone_ = 0.0;
  bool timeZoneAutomatic_ = true;
  double longitude_ = 39.1951;
  double latitude_ = 51.668;

  uint8_t projection_ = 1;
  bool refraction_ = true;
  double pressure_ = 1000.0;
  double temperature_ = 20.0;
  bool azimuthFromSouth_ = false;
  bool mirror_ = false;
  double rotation_ = 0.0;

  std::array<bool, 17> visible_{};  // positions 1 .. 16; 5 .. 14 unused (see bodyBits_)
  uint16_t bodyBits_ = (1U << kit::kBodySwitchCount) - 1;  // every body
  uint8_t skyColourMode_ = 3;
  bool starProperNames_ = false;
  bool alwaysHighPrecision_ = true;
  bool skyBrightnessLimit_ = false;
  uint8_t skyState_ = 0;
  int32_t starLimit_ = 500;
  int32_t labelLimit_ = 100;
  double fontSize_ = 7.0;
  int32_t starSizes_ = 14;
  int32_t detailedStarLimit_ = 650;
  int32_t detailedLabelLimit_ = 100;
  double detailedFontSize_ = 7.0;
  int32_t detailedStarSizes_ = 14;
  std::string normalFont_ = "Arial";
  std::string greekFont_ = "Symbol";
  TGridSettings grid_;
  bool pathsFirst_ = false;

  TColorSchemePtr screenScheme_;
  TColorSchemePtr printerScheme_;
  bool printing_ = false;
  TColor background_ = 0;

  int32_t zoom_ = 100;
  int32_t clientWidth_ = 800;
  int32_t clientHeight_ = 600;
  int32_t scrollX_ = 0;
  int32_t scrollY_ = 0;
  bool horizontalBar_ = false;
  bool verticalBar_ = false;
  bool alwaysCentred_ = false;
  int32_t cx_ = 0;
  int32_t cy_ = 0;
  int32_t radius_ = 0;
  double yScale_ = 1.0;

  int32_t fontHeight_ = 0;
  int32_t letterWidth_ = 0;
  TSymbolImages images_;
  bool showAsBitmap_ = true;
  TSkyBitmapCanvas offscreen_;
  TSkyOutputDevice output_;
  std::vector<TSelectedObject> selection_;
  TStatusTexts status_;
  bool viewChanged_ = true;
  uint64_t viewGeneration_ = 0;
};

}  // namespace velarion::sky

#endif
