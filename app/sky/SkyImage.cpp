#include "SkyImage.h"

#include "AngleUtils.h"
#include "Concat.h"
#include "Cp1251.h"
#include "Devices.h"
#include "ProjectionExports.h"
#include "ScrolledDevice.h"
#include "Units.h"
#include "ValueFormat.h"
#include "velastro.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace velarion::sky {

using velplatform::Concat;

namespace {

constexpr int32_t kMarkSquare = 4;
constexpr int32_t kDashedBoxMinimum = 10;

int32_t Rounded(double x) { return static_cast<int32_t>(std::nearbyint(x)); }

double ReduceLongitude(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r > 180.0) r -= 360.0;
  if (r <= -180.0) r += 360.0;
  return r;
}

// Zones run from -12 to +14 hours (Kiribati lives at +14).
double ReduceTimeZone(double hours) {
  if (!std::isfinite(hours)) return 0.0;
  while (hours > 14.0) hours -= 24.0;
  while (hours < -12.0) hours += 24.0;
  return hours;
}

}  // namespace

TClockSource SystemClock() {
  return {[] {
            const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
            return velcommon::kMjdUnixEpoch +
                   std::chrono::duration<double>(sinceEpoch).count() / velcommon::kSecondsPerDay;
          },
          [] {
            const std::time_t now = std::time(nullptr);
            std::tm local{};
            ::localtime_r(&now, &local);
            return static_cast<double>(local.tm_gmtoff) / 3600.0;  // daylight saving included
          }};
}

TSkyImage::TSkyImage(TScreenMetrics screen, TClockSource clock)
    : screen_(screen), clock_(std::move(clock)) {
  for (int position : {1, 2, 3, 15, 16}) visible_[position] = true;
  if (clock_.timeZoneHours) timeZone_ = ReduceTimeZone(clock_.timeZoneHours());
  output_.SetSymbolImages(&images_);
  output_.SetMeasuringDevice(velplatform::CreateImageDevice(1, 1, screen_.dpiX, screen_.dpiY));
  RecomputeTimes();
}

void TSkyImage::SetGroupLists(TGroupList* main, TGroupList* paths) {
  mainList_ = main;
  pathList_ = paths;
  Change();
}

// ---- Place and moment ------------------------------------------------------------------

void TSkyImage::RecomputeTimes() {
  if (deltaTAutomatic_) deltaTDays_ = GetDeltat(GetT(mjd_)) / velcommon::kSecondsPerDay;
  siderealTime_ = LMST(mjd_, -longitude_);
  apparentSiderealTime_ = LAST(mjd_, -longitude_);
}

void TSkyImage::SetMjd(double mjdUt) {
  // The range is the calendar's, in local time; the universal moment follows from it.
  const double local = std::clamp(mjdUt + timeZone_ / 24.0, kMinLocalMjd, kMaxLocalMjd);
  const double clamped = local - timeZone_ / 24.0;
  if (clamped == mjd_) return;
  mjd_ = clamped;
  RecomputeTimes();
  Change();
}

void TSkyImage::SetDeltaTAutomatic(bool automatic) {
  if (automatic == deltaTAutomatic_) return;
  deltaTAutomatic_ = automatic;
  RecomputeTimes();
  Change();
}

void TSkyImage::SetDeltaTSeconds(double seconds) {
  if (deltaTAutomatic_) return;
  Assign(deltaTDays_, seconds / velcommon::kSecondsPerDay);
}

void TSkyImage::SetTimeZoneAutomatic(bool automatic) {
  timeZoneAutomatic_ = automatic;
  if (automatic && clock_.timeZoneHours) Assign(timeZone_, ReduceTimeZone(clock_.timeZoneHours()));
}

void TSkyImage::SetTimeZone(double hours) {
  if (!timeZoneAutomatic_) Assign(timeZone_, ReduceTimeZone(hours));
}

void TSkyImage::SetLongitude(double degreesEast) {
  const double reduced = ReduceLongitude(degreesEast);
  if (reduced == longitude_) return;
  longitude_ = reduced;
  RecomputeTimes();
  Change();
}

void TSkyImage::SetLatitude(double degrees) { Assign(latitude_, std::clamp(degrees, -90.0, 90.0)); }

void TSkyImage::SetTimeNow() { SetMjd(NowMjd()); }

namespace {

double LocalMjd(const TLocalDateTime& t) {
  return MJD(t.day, t.month, t.year, t.hour + t.minute / 60.0 + t.second / 3600.0);
}

}  // namespace

double TSkyImage::NowMjd() const { return clock_.utcMjd ? clock_.utcMjd() : mjd_; }

void TSkyImage::SetLocalTime(const TLocalDateTime& t) { SetMjd(LocalMjd(t) - timeZone_ / 24.0); }

TLocalDateTime TSkyImage::GetLocalDate(double& hour) const {
  const double local = RoundTo(mjd_ + timeZone_ / 24.0, 6);
  TLocalDateTime date;
  CalDat(local, &date.day, &date.month, &date.year, &hour);
  return date;
}

// ---- Projection, what is shown, colours -------------------------------------------------

void TSkyImage::SetProjection(uint8_t projection) { Assign(projection_, projection); }
void TSkyImage::SetRefraction(bool on) { Assign(refraction_, on); }
void TSkyImage::SetPressure(double mbar) { Assign(pressure_, mbar); }
void TSkyImage::SetTemperature(double celsius) { Assign(temperature_, celsius); }
void TSkyImage::SetAzimuthFromSouth(bool fromSouth) { Assign(azimuthFromSouth_, fromSouth); }
void TSkyImage::SetMirror(bool mirror) { Assign(mirror_, mirror); }
void TSkyImage::SetViewRotation(double degrees) { Assign(rotation_, Reduce360(degrees)); }

void TSkyImage::SetObjectVisible(int position, bool visible) {
  if (position >= visibility::kFirstBody && position <= visibility::kLastBody) {
    const auto bit = static_cast<uint16_t>(1U << (position - visibility::kFirstBody));
    Assign(bodyBits_, static_cast<uint16_t>(visible ? (bodyBits_ | bit) : (bodyBits_ & ~bit)));
  } else if (position >= 1 && position <= 16) {
    Assign(visible_[position], visible);
  }
}

bool TSkyImage::ObjectVisible(int position) const {
  if (position >= visibility::kFirstBody && position <= visibility::kLastBody) {
    return (bodyBits_ >> (position - visibility::kFirstBody)) & 1U;
  }
  return position >= 1 && position <= 16 && visible_[position];
}

void TSkyImage::SetSkyColourMode(uint8_t mode) {
  Assign(skyColourMode_, std::min<uint8_t>(mode, 3));
}
void TSkyImage::SetStarProperNames(bool on) { Assign(starProperNames_, on); }
void TSkyImage::SetAlwaysHighPrecision(bool on) { Assign(alwaysHighPrecision_, on); }
void TSkyImage::SetSkyBrightnessLimit(bool on) { Assign(skyBrightnessLimit_, on); }
void TSkyImage::SetStarLimit(int32_t m) { Assign(starLimit_, std::clamp(m, -200, 700)); }
void TSkyImage::SetLabelLimit(int32_t m) { Assign(labelLimit_, std::clamp(m, -200, 700)); }
void TSkyImage::SetLabelFontSize(double s) { Assign(fontSize_, std::clamp(s, 1.0, 10.0)); }
void TSkyImage::SetStarSizes(int32_t n) { Assign(starSizes_, std::clamp(n, 1, 24)); }
void TSkyImage::SetDetailedStarLimit(int32_t m) {
  Assign(detailedStarLimit_, std::clamp(m, -200, 2000));
}
void TSkyImage::SetDetailedLabelLimit(int32_t m) {
  Assign(detailedLabelLimit_, std::clamp(m, -200, 2000));
}
void TSkyImage::SetDetailedLabelFontSize(double s) {
  Assign(detailedFontSize_, std::clamp(s, 1.0, 10.0));
}
void TSkyImage::SetDetailedStarSizes(int32_t n) {
  Assign(detailedStarSizes_, std::clamp(n, 1, 24));
}

void TSkyImage::SetFonts(std::string normal, std::string greek) {
  normal.resize(std::min(normal.size(), kMaxFontNameLength));
  greek.resize(std::min(greek.size(), kMaxFontNameLength));
  Assign(normalFont_, std::move(normal));
  Assign(greekFont_, std::move(greek));
}

void TSkyImage::SetGridSettings(const TGridSettings& grid) {
  const auto same = [](const TGridSettings& a, const TGridSettings& b) {
    return a.lineVisible == b.lineVisible && a.lineStep == b.lineStep &&
           a.azimuthAuto == b.azimuthAuto && a.equatorialAuto == b.equatorialAuto &&
           a.azimuthGrid == b.azimuthGrid && a.equatorialGrid == b.equatorialGrid;
  };
  if (same(grid, grid_)) return;
  grid_ = grid;
  Change();
}

void TSkyImage::SetPathOrder(bool pathsFirst) { Assign(pathsFirst_, pathsFirst); }

void TSkyImage::SetColorSchemes(TColorSchemePtr screen, TColorSchemePtr printer) {
  screenScheme_ = std::move(screen);
  printerScheme_ = std::move(printer);
  Change();
}

void TSkyImage::SetPrinting(bool printing) { Assign(printing_, printing); }

const TColorScheme& TSkyImage::Scheme(bool printer) const {
  static const TColorScheme screenDefault("default", false);
  static const TColorScheme printerDefault("default", true);
  const TColorSchemePtr& scheme = printer ? printerScheme_ : screenScheme_;
  return scheme ? *scheme : (printer ? printerDefault : screenDefault);
}

// ---- Layout ------------------------------------------------------------------------------

void TSkyImage::SetViewRect(int32_t clientWidth, int32_t clientHeight, int32_t scrollX,
                            int32_t scrollY, bool horizontalBar, bool verticalBar) {
  if (DetailedView() && (clientWidth != clientWidth_ || clientHeight != clientHeight_ ||
                         scrollX != scrollX_ || scrollY != scrollY_)) {
    cx_ -= scrollX - scrollX_;
    cy_ -= scrollY - scrollY_;
    Change();
  }
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  scrollX_ = scrollX;
  scrollY_ = scrollY;
  horizontalBar_ = horizontalBar;
  verticalBar_ = verticalBar;
}

void TSkyImage::SetPictureView(int32_t width, int32_t height, int32_t zoom) {
  SetAlwaysCentred(true);
  SetViewRect(width, height, 0, 0, false, false);
  UpdateLayout(zoom);
  if (DetailedView()) {
    SetViewRect(width, height, -width / 2, -height / 2, false, false);
    UpdateLayout(zoom);
  }
}

void TSkyImage::UpdateLayout(int32_t zoom) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom != zoom_) {
    zoom_ = zoom;
    Change();
  }
  const double ratio = screen_.dpiY / screen_.dpiX;
  const double usable = screen_.usableHeight + 3.0;
  const int32_t radius = Rounded(usable / ratio * zoom_ * 0.005);
  int32_t cx = cx_;
  int32_t cy = cy_;
  if (!DetailedView()) {
    const int32_t ry = Rounded(radius * ratio);
    const int32_t e = Rounded(std::log(radius + 1.0) * 3.5);
    const int32_t ey = Rounded(e * ratio);
    const int32_t bar = screen_.scrollBarSize;
    const int32_t w = clientWidth_ + (verticalBar_ ? bar : 0);  // without scroll bars
    const int32_t h = clientHeight_ + (horizontalBar_ ? bar : 0);
    const int32_t wBar = w - bar;
    const int32_t hBar = h - bar;
    const auto fitsW = [&](int32_t width) { return 2 * radius < width - 2 * e; };
    const auto fitsH = [&](int32_t height) { return 2 * ry < height - 2 * ey; };
    const bool centreH =
        alwaysCentred_ || ((fitsW(wBar) || fitsW(w)) && (fitsW(wBar) || fitsH(hBar) || fitsH(h)));
    const bool centreV =
        alwaysCentred_ || ((fitsH(h) || fitsH(hBar)) && (fitsH(hBar) || fitsW(wBar) || fitsW(w)));
    const int32_t usableWidth = (alwaysCentred_ || centreV) ? w : wBar;
    const int32_t usableHeight = (alwaysCentred_ || centreH) ? h : hBar;
    cx = centreH ? usableWidth / 2 : radius + e;
    cy = centreV ? usableHeight / 2 : ry + ey;
  } else {
    cx = -scrollX_;
    cy = -scrollY_;
  }
  if (radius != radius_ || ratio != yScale_ || cx != cx_ || cy != cy_) {
    radius_ = radius;
    yScale_ = ratio;
    cx_ = cx;
    cy_ = cy;
    Change();
  }
}

// ---- Magnitudes --------------------------------------------------------------------------

int32_t TSkyImage::EffectiveStarLimit() const {
  const int32_t configured = StarLimit(DetailedView());
  const bool haveSun = mainList_ != nullptr && mainList_->FindGroup("SUN") != nullptr;
  if (!skyBrightnessLimit_ || !haveSun) return configured;
  switch (skyState_) {
    case kit::kAstronomicalTwilight:
    case kit::kNauticalTwilight:
      return std::min(configured, 450);
    case kit::kCivilTwilight:
      return std::min(configured, 200);
    case kit::kDay:
      return kNoStars;
    default:
      return configured;
  }
}

int32_t TSkyImage::SymbolSizeForMagnitude(int32_t magnitude100) const {
  return kit::SymbolSizeFor(magnitude100, EffectiveStarLimit(), StarSizes(DetailedView()));
}

// ---- The redraw --------------------------------------------------------------------------

kit::TRefreshParamBytes TSkyImage::RefreshParamRecord() const {
  kit::TViewParameters v;
  const bool detailed = DetailedView();
  v.mjdUt = mjd_;
  v.mjdDynamical = MjdDynamical();
  v.siderealHours = siderealTime_;  // the record's field is the local mean sidereal time
  v.latitude = latitude_;
  v.longitudeEast = longitude_;
  v.timeZoneHours = timeZone_;
  v.centreX = cx_;
  v.centreY = cy_;
  v.radius = radius_;
  v.yScale = yScale_;
  v.zoomPercent = zoom_;
  v.projection = projection_;
  v.rotationDeg = rotation_;
  v.azimuthZero = azimuthFromSouth_ ? 1 : 0;
  v.mirror = mirror_ ? 1 : 0;
  for (int i = 0; i < kit::kColourTableEntries; ++i) v.colours[i] = CurrentScheme().Color(i);
  v.skyColourMode = skyColourMode_;
  v.fontHeight = fontHeight_;
  v.letterWidth = letterWidth_;
  v.objectsVisible1 = visible_[1];
  v.magnitudeLimitObjects = EffectiveStarLimit();
  v.magnitudeLimitLabels = LabelLimit(detailed);
  v.symbolSizes = StarSizes(detailed);
  v.starProperNames = starProperNames_;
  v.objectsVisible16 = visible_[16];
  v.objectsVisible5To14 = bodyBits_;
  v.alwaysHighPrecision = alwaysHighPrecision_;
  v.objectsVisible2 = visible_[2];
  v.objectsVisible4 = visible_[4];
  v.objectsVisible3 = visible_[3];
  v.objectsVisible15 = visible_[15];
  return kit::WriteRefreshParam(v);
}

std::vector<groups::TGroupListElement*> TSkyImage::DrawingOrder() const {
  std::vector<groups::TGroupListElement*> order;
  const auto append = [&order](TGroupList* list) {
    if (list == nullptr) return;
    for (int32_t i = 0; i < list->Count(); ++i) order.push_back(&list->Element(i));
  };
  append(pathsFirst_ ? pathList_ : mainList_);
  append(pathsFirst_ ? mainList_ : pathList_);
  return order;
}

void TSkyImage::PrepareSymbolImages(TDrawDevice& device, double scale, double zoomFactor) {
  const int32_t n = StarSizes(DetailedView());
  const auto make = [&](int32_t index, int32_t width, int32_t height) {
    TMonoImage& image = images_[index];
    if (image.Width() == width && image.Height() == height && !image.Empty()) return;
    // Drawn in shape mode on a scratch canvas, read back as two colours.
    const auto canvas = velplatform::CreateImageDevice(width, height, device.DpiX(), device.DpiY());
    canvas->FillRect({0, 0, width, height}, 0);
    output_.DrawSymbolShape(*canvas, index, 0, 0, width, height, 0xFFFFFF);
    image = TMonoImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) image.Set(x, y, canvas->GetPixel(x, y) != 0);
    }
  };
  int32_t width = 1;
  int32_t height = 1;
  for (int32_t i = 1; i <= n; ++i) {
    width = std::max(1, Rounded((1.0 + (i - 1) * zoomFactor) * scale));
    height = std::max(1, Rounded(width * yScale_));
    make(i, width, height);
  }
  for (int32_t i = n + 1; i <= kLastStarSymbol; ++i) images_[i] = TMonoImage();
  for (int32_t i = kFirstSpecialSymbol; i <= kLastSpecialSymbol; ++i) make(i, width, height);
}

groups::TObjectRect TSkyImage::VisibleRect() const {
  // The quick view's picture is the whole disc, of which the window shows the scrolled part;
  // in the detailed view the picture is the window.
  const int32_t left = DetailedView() ? 0 : scrollX_;
  const int32_t top = DetailedView() ? 0 : scrollY_;
  return {left, top, left + clientWidth_, top + clientHeight_};
}

void TSkyImage::CalculateGroups() {
  const kit::TRefreshParamBytes record = RefreshParamRecord();
  const groups::TObjectRect visible = VisibleRect();
  for (groups::TGroupListElement* element : DrawingOrder()) {
    groups::CalculateElement(*element, ViewMode(), visible, false, record);
  }
}

TProjectionSetup TSkyImage::ProjectionSetup() const {
  TProjectionSetup setup;
  setup.centreX = cx_;
  setup.centreY = cy_;
  setup.radius = radius_;
  setup.yScale = yScale_;
  setup.stereographic = projection_ == 1;
  setup.quick = !DetailedView();
  setup.latitudeDeg = latitude_;
  // The projection brings every frame to the true equator and equinox of date (the
  // nutation matrix N') before it turns the sky by B: the apparent sidereal time.
  setup.siderealHours = apparentSiderealTime_;
  setup.mjdUt = mjd_;
  setup.rotationDeg = rotation_;
  setup.mirror = mirror_;
  setup.refraction = refraction_;
  setup.pressureMbar = pressure_;
  setup.temperatureC = temperature_;
  return setup;
}

void TSkyImage::PrepareView(TDrawDevice& device) {
  if (!viewChanged_) return;
  const bool detailed = DetailedView();
  const double scale = std::max(1.0, device.DpiX() / 96.0);
  const double k = zoom_ < 300 ? zoom_ / 600.0 + 0.6 : 1.0;
  fontHeight_ = Rounded((1.0 + k) * (0.6 * scale + 0.4) * LabelFontSize(detailed));
  letterWidth_ = std::max(device.TextWidth("A", {normalFont_, fontHeight_}),
                          device.TextWidth("A", {greekFont_, fontHeight_}));
  PrepareSymbolImages(device, scale, k);

  sky::SetProjection(ProjectionSetup());
  output_.SetFonts(normalFont_, greekFont_, fontHeight_, fontHeight_, fontHeight_);
  CalculateGroups();
  viewChanged_ = false;
}

void TSkyImage::WriteStatusTexts() {
  status_.zoom = Concat({std::to_string(zoom_), "%"});
  status_.localMoment = FormatDate(true, mjd_ + timeZone_ / 24.0);
  status_.place =
      Concat({velplatform::Cp1251("Шир/Долг: "), FixedToText(2, latitude_),
              velplatform::Cp1251("°/"), FixedToText(2, longitude_), velplatform::Cp1251("°")});
}

void TSkyImage::AskSunForBackground() {
  background_ = CurrentScheme().Color(kit::kNightBackgroundColour);
  TSkyObjectGroup* sun = mainList_ != nullptr ? mainList_->FindGroup("SUN") : nullptr;
  if (sun == nullptr) return;
  const kit::TRefreshParamBytes record = RefreshParamRecord();
  sun->RefreshParam(record);
  SetEpoch(sun->Epoch, static_cast<uint16_t>(sun->EpochKind));
  std::array<std::byte, kit::sun_data::kSize> data{};
  if (sun->GetObjectData(1, data) >= static_cast<int32_t>(kit::sun_data::kSize)) {
    background_ = kit::GetField<uint32_t>(data, kit::sun_data::kBackground);
    skyState_ = kit::GetField<uint8_t>(data, kit::sun_data::kTwilightClass);
  }
}

void TSkyImage::DrawGroups(TDrawDevice& device) {
  const groups::TObjectRect clip = VisibleRect();
  for (groups::TGroupListElement* element : DrawingOrder()) {
    groups::DrawElement(*element, ViewMode(), velplatform::HandleOf(device), clip);
  }
}

void TSkyImage::SetShowAsBitmap(bool on) {
  showAsBitmap_ = on;
  if (!on) offscreen_.Release();
}

TDrawDevice* TSkyImage::OffscreenCanvas() {
  if (!showAsBitmap_) return nullptr;
  return &offscreen_.Canvas(clientWidth_, clientHeight_, screen_.dpiX, screen_.dpiY);
}

void TSkyImage::PaintSky(TDrawDevice& device, bool paint, bool keepCentre) {
  const TCanvasBinding binding(output_, device);
  // Keeping the centre: the selection's sky point in the frame of the date, before the
  // new layout moves the disc.
  int32_t keptX = 0;
  int32_t keptY = 0;
  double keptRa = 0.0;
  double keptDec = 0.0;
  bool keep = keepCentre && DetailedView() && GetSelectionCentre(keptX, keptY);
  if (keep) {
    SetEpoch(0.0, kEpochMeanOfDate);
    keep = XYToRaDec(keptX, keptY, &keptRa, &keptDec);
  }
  UpdateLayout(zoom_);
  if (viewChanged_) {
    WriteStatusTexts();
    sky::SetProjection(ProjectionSetup());
    AskSunForBackground();
    if (keep) {
      // The same sky point stays under the selection.
      int32_t x = 0;
      int32_t y = 0;
      SetEpoch(0.0, kEpochMeanOfDate);
      if (RaDecToXY(keptRa, keptDec, &x, &y)) {
        scrollX_ += x - keptX;
        scrollY_ += y - keptY;
        cx_ -= x - keptX;
        cy_ -= y - keptY;
      }
    }
    PrepareView(device);
  }
  if (!paint) return;
  output_.SetBackground(background_);
  device.SetRasterOp(velplatform::TRasterOp::kCopy);
  device.ClearClip();
  device.FillRect({0, 0, device.Width(), device.Height()}, background_);
  DrawGroups(device);
  DrawSelectionMarks(device);
}

// ---- Selection ---------------------------------------------------------------------------

void TSkyImage::SelectSkyObject(TSkyObjectGroup* group, int32_t index) {
  if (group == nullptr || index <= 0) return;
  selection_.assign(1, {group, index});
}

void TSkyImage::AddSelectedObject(TSkyObjectGroup* group, int32_t index) {
  if (group == nullptr || index <= 0) return;
  const TSelectedObject object{group, index};
  if (std::find(selection_.begin(), selection_.end(), object) == selection_.end()) {
    selection_.push_back(object);
  }
}

bool TSkyImage::GetSelectionCentre(int32_t& x, int32_t& y) const {
  int64_t sumX = 0;
  int64_t sumY = 0;
  int64_t count = 0;
  for (const TSelectedObject& s : selection_) {
    double ra = 0.0;
    double dec = 0.0;
    int32_t px = 0;
    int32_t py = 0;
    bool visible = false;
    if (s.group->GetObjectRaDec(s.index, ra, dec)) {
      SetEpoch(s.group->Epoch, static_cast<uint16_t>(s.group->EpochKind));
      visible = DetailedView() ? RaDecToXY(ra, dec, &px, &py)
                               : QuickRaDecToXY(Rounded(ra * 60.0), Rounded(dec * 60.0), &px, &py);
    } else {
      visible = s.group->GetObjectXY(s.index, px, py);
    }
    if (visible) {
      sumX += px;
      sumY += py;
      ++count;
    }
  }
  if (count == 0) return false;
  x = static_cast<int32_t>(sumX / count);
  y = static_cast<int32_t>(sumY / count);
  return true;
}

void TSkyImage::DrawSelectionMarks(TDrawDevice& device) const {
  bool any = false;
  groups::TObjectRect box{};
  for (const TSelectedObject& s : selection_) {
    const groups::TGroupListElement* element =
        mainList_ != nullptr ? mainList_->FindElementOf(s.group) : nullptr;
    if (element == nullptr && pathList_ != nullptr) element = pathList_->FindElementOf(s.group);
    if (element == nullptr || !element->VisibleInMode(ViewMode())) continue;
    groups::TObjectRect r;
    if (!s.group->GetObjectRect(s.index, r)) continue;
    box = any ? groups::TObjectRect{std::min(box.left, r.left), std::min(box.top, r.top),
                                    std::max(box.right, r.right), std::max(box.bottom, r.bottom)}
              : r;
    any = true;
  }
  if (!any) return;
  const TColor sky = background_ & 0xFFFFFF;
  const bool dark =
      velplatform::RedOf(sky) + velplatform::GreenOf(sky) + velplatform::BlueOf(sky) <= 384;
  // Combined with what is there, so that drawing the marks twice takes them away.
  device.SetRasterOp(dark ? velplatform::TRasterOp::kNotXor : velplatform::TRasterOp::kXor);
  if (box.right - box.left > kDashedBoxMinimum || box.bottom - box.top > kDashedBoxMinimum) {
    device.SetPen(sky, 1, velplatform::TPenStyle::kDash);
    device.SetBrush(sky, velplatform::TBrushStyle::kNull);
    device.Rectangle({box.left, box.top, box.right + 1, box.bottom + 1});
  }
  device.SetPen(sky, 1, velplatform::TPenStyle::kNull);
  device.SetBrush(sky);
  for (const auto& [x, y] : {std::pair{box.left, box.top},
                             {box.right, box.top},
                             {box.left, box.bottom},
                             {box.right, box.bottom}}) {
    device.Rectangle(
        {x - kMarkSquare / 2, y - kMarkSquare / 2, x + kMarkSquare / 2, y + kMarkSquare / 2});
  }
  device.SetRasterOp(velplatform::TRasterOp::kCopy);
}

void TSkyImage::PickObjects(int32_t x, int32_t y, bool selectableOnly) {
  for (const TSelectedObject& object : ObjectsAt(x, y, selectableOnly)) {
    AddSelectedObject(object.group, object.index);
  }
}

std::vector<TSelectedObject> TSkyImage::ObjectsAt(int32_t x, int32_t y, bool selectableOnly) {
  // Objects are found by what they paint: each candidate is drawn, clipped to the pixels
  // (x - 1 .. x + 2, y - 1 .. y + 2), onto a scratch canvas whose 3 x 3 pixels around (x, y)
  // hold the sky colour, and the pixels are read back.
  std::vector<TSelectedObject> found;
  if (x < 0 || y < 0) return found;
  // Only the 3 x 3 pixels are kept, however far into the picture they lie.
  const auto pixels = velplatform::CreateImageDevice(3, 3, screen_.dpiX, screen_.dpiY);
  velplatform::TScrolledDevice scratch;
  scratch.Show(*pixels, x - 1, y - 1);
  TDrawDevice* const canvas = &scratch;
  canvas->SetClipRect({x - 1, y - 1, x + 2, y + 2});
  const TColor sky = background_ & 0xFFFFFF;
  const auto clear = [&] { canvas->FillRect({x - 1, y - 1, x + 2, y + 2}, sky); };
  clear();
  std::array<TColor, 9> stored{};
  const auto read = [&] {
    for (int i = 0; i < 9; ++i) stored[i] = canvas->GetPixel(x - 1 + i % 3, y - 1 + i / 3);
  };
  read();
  const std::array<TColor, 9> empty = stored;
  const TCanvasBinding binding(output_, *canvas);
  const groups::TObjectRect area{x - 1, y - 1, x + 2, y + 2};
  for (groups::TGroupListElement* element : DrawingOrder()) {
    TSkyObjectGroup* group = element->Group();
    if (group == nullptr || !element->VisibleInMode(ViewMode())) continue;
    if (selectableOnly && !group->Selectable) continue;
    const std::vector<groups::TObjectRange> runs = group->RunList.Runs();
    for (const groups::TObjectRange& run : runs) {
      for (int32_t n = run.first; n <= run.last; ++n) {
        groups::TObjectRect r;
        if (!group->GetObjectRect(n, r) || r.right < x - 1 || r.left > x + 1 || r.bottom < y - 1 ||
            r.top > y + 1) {
          continue;
        }
        group->DrawObject(n, velplatform::HandleOf(*canvas), area);
        read();
        if (stored != empty) {
          found.push_back({group, n});
          clear();
        }
      }
    }
  }
  return found;
}

}  // namespace velarion::sky
