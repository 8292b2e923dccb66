#include "SunGroup.h"

#include "BodyInfoText.h"
#include "BodyPosition.h"
#include "Concat.h"
#include "Cp1251.h"
#include "DiscDrawing.h"
#include "SkyImageExports.h"
#include "Units.h"
#include "velastro.h"

#include <cmath>

namespace velarion::solar {

namespace {

using velcommon::kKmPerAu;
using velcommon::kRadToDeg;
using velcommon::kSolarRadiusAu;
constexpr int32_t kSunObjectFlags =
    kit::kObjectName | kit::kObjectPositionSolarSystem | kit::kObjectSize | kit::kObjectDistance;

std::string SunName() { return velplatform::Cp1251("Солнце"); }

}  // namespace

void WriteSunData(const TSunPlace& sun, kit::TBytes record) {
  if (record.size() < kit::sun_data::kSize) return;
  using namespace kit::sun_data;
  kit::PutField<uint8_t>(record, kHighPrecision, sun.highPrecision ? 1 : 0);
  kit::PutField(record, kAltitude, sun.altitudeDeg);
  kit::PutField<int32_t>(record, kTwilightClass, sun.twilight);
  kit::PutField(record, kBackground, sun.background);
  kit::PutField(record, kLongitude, sun.longitudeDeg);
  kit::PutField(record, kLatitude, sun.latitudeDeg);
  kit::PutField(record, kDistance, sun.distanceAu);
  kit::PutField(record, kRa, sun.raDeg);
  kit::PutField(record, kDec, sun.decDeg);
  kit::PutField(record, kTopoRa, sun.topoRaDeg);
  kit::PutField(record, kTopoDec, sun.topoDecDeg);
}

void TSun::Init() {
  Code = "SUN";
  Name = velplatform::Cp1251("Солнце");
  Version = "4.1";
  SearchCaption = velplatform::Cp1251("Солнце");
  ObjectCount = 1;
  EpochKind = 2;
}

bool TSun::InitResources(kit::TWindowHandle) {
  last_ = {};
  outline_ = {};
  visible_ = false;
  ResourcesReady = true;
  return true;
}

void TSun::FreeResources() {
  outline_ = {};
  visible_ = false;
  ResourcesReady = false;
}

bool TSun::Shown() const {
  return View.objectsVisible16 != 0 &&
         (View.objectsVisible5To14 & kit::BodySwitchBit(kit::TBodySwitch::kSun)) != 0;
}

const TSunPlace& TSun::Compute(bool highPrecision, bool astrometric) {
  const bool requested = highPrecision || View.alwaysHighPrecision != 0;
  const TComputeInputs inputs = ComputeInputsOfView(View, kSun, requested, astrometric);
  if (!(inputs == last_)) {
    const TBodyPosition p =
        ComputeBodyPosition(kSun, requested, astrometric, GetT(View.mjdDynamical));
    sun_.longitudeDeg = p.longitudeDeg;
    sun_.latitudeDeg = p.latitudeDeg;
    sun_.distanceAu = p.distance;
    sun_.raDeg = p.raDeg;
    sun_.decDeg = p.decDeg;
    sun_.semiDiameterArcmin = std::atan(kSolarRadiusAu / p.distance) * kRadToDeg * 60.0;
    sun_.altitudeDeg =
        Parallax(LMST(View.mjdUt, -View.longitudeEast), p.raDeg, p.decDeg, p.distance * kKmPerAu,
                 View.latitude, &sun_.topoRaDeg, &sun_.topoDecDeg);
    sun_.twilight = TwilightClass(sun_.altitudeDeg);
    sun_.highPrecision = p.highPrecision;
    sun_.astrometric = astrometric;
    last_ = inputs;
  }
  sun_.background = SkyColour(sun_.twilight, View.skyColourMode, View.colours);
  return sun_;
}

void TSun::CalculateObjects(const kit::TVisibleObjectReport& report) {
  outline_ = {};
  visible_ = false;
  Compute(ViewMode == 1, true);
  if (!Shown() || !AboveDrawingHorizon(sun_.altitudeDeg, sun_.semiDiameterArcmin)) return;
  BuildOutline();
  if (visible_ && report) report(1);
}

void TSun::BuildOutline() {
  int32_t symbolWidth = 0, symbolHeight = 0;
  GetSymbolSize(View.symbolSizes, &symbolWidth, &symbolHeight);
  const double r = DrawnRadiusDeg(sun_.semiDiameterArcmin, sun_.altitudeDeg, View.radius,
                                  symbolWidth, View.projection == 1);
  if (ViewMode != 0 && !DiscBoxInView(*this, sun_.topoRaDeg, sun_.topoDecDeg, r)) return;
  outline_ = BuildDiscOutline(sun_.topoRaDeg, sun_.topoDecDeg, r, View.radius, 0.0, 1.0);
  discRadiusPx_ = std::nearbyint(std::sin(r / kRadToDeg) * View.radius);
  visible_ = !outline_.Empty() && (ViewMode == 0 || IsRectInView(outline_.rect));
}

void TSun::DrawObjects(const kit::TNextObject&) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr || !Shown() || !visible_ || !IsRectInView(outline_.rect)) return;
  const std::span<const velplatform::TPoint> disc = outline_.Lit();
  if (disc.size() <= 4) return;
  const TPenAndBrushKeeper kept(*device);
  FillPolygon(*device, disc, View.colours[kit::kSunColour]);
}

bool TSun::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  if (index != 1 || !visible_) return false;
  rect = outline_.rect;
  return true;
}

bool TSun::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  if (index != 1) return false;
  const TSunPlace& sun = Compute(true, true);
  ra = sun.topoRaDeg;
  dec = sun.topoDecDeg;
  return true;
}

int32_t TSun::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  if (index != 1 || buffer.size() < kit::sun_data::kSize) return 0;
  const bool requested = kit::GetField<uint8_t>(buffer, kit::sun_data::kHighPrecision) != 0;
  WriteSunData(Compute(requested, true), buffer);
  return static_cast<int32_t>(kit::sun_data::kSize);
}

bool TSun::GetFObjectData(int32_t index, kit::TCommonObject& record) {
  if (index != 1) return false;
  const TSunPlace& sun = Compute(true, false);
  record.flags = kSunObjectFlags;
  record.name = SunName();
  record.raOfDate = sun.topoRaDeg;
  record.decOfDate = sun.topoDecDeg;
  record.sizeDeg = static_cast<float>(2.0 * sun.semiDiameterArcmin / 60.0);
  record.distanceAu = static_cast<float>(sun.distanceAu);
  return true;
}

void TSun::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  if (index != 1 || !Shown()) return;
  using velplatform::Cp1251;
  const TSunPlace sun = Compute(true, false);
  lines.Add("\x01" + SunName());
  AddEquatorialLines(lines, GetT(View.mjdUt),
                     {sun.raDeg, sun.decDeg, sun.topoRaDeg, sun.topoDecDeg}, 2, 1);
  lines.Add(velplatform::Concat({"\x01r=", ShownNumber(sun.distanceAu, 4), " ", Cp1251("а.е."),
                                 Cp1251(";   Угловой размер: "),
                                 ShownNumber(2.0 * sun.semiDiameterArcmin, 2), "'"}));
  lines.Add(BodyRiseSetText(View, kSun, -(sun.semiDiameterArcmin + 34.0) / 60.0,
                            last_.mjdDynamical - last_.mjdUt));
}

std::string TSun::GetObjectName(int32_t index) {
  return index == 1 ? "\x01" + SunName() : std::string();
}

int32_t TSun::SelectObjectForSearch(kit::TWindowHandle) { return 1; }

kit::TGroupPtr MakeSunGroup(const std::string&) { return kit::MakeGroup<TSun>(); }

}  // namespace velarion::solar
