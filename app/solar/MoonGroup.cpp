#include "MoonGroup.h"

#include "BodyInfoText.h"
#include "BodyPosition.h"
#include "Concat.h"
#include "Cp1251.h"
#include "DiscDrawing.h"
#include "ProjectionExports.h"
#include "SkyImageExports.h"
#include "Twilight.h"
#include "Units.h"
#include "velastro.h"

#include <cmath>
#include <optional>

namespace velarion::solar {

namespace {

using velcommon::kAuPerKm;
using velcommon::kKmPerEarthRadius;
constexpr int32_t kMoonObjectFlags = kit::kObjectName | kit::kObjectPositionSolarSystem |
                                     kit::kObjectSize | kit::kObjectPhase | kit::kObjectDistance;
constexpr velplatform::TColor kPenumbraColour = 255;
constexpr std::size_t kMinimumPolygon = 5;

std::string MoonName() { return velplatform::Cp1251("Луна"); }

std::optional<velplatform::TPoint> Projected(double ra, double dec) {
  velplatform::TPoint p;
  if (!RaDecToXY(ra, dec, &p.x, &p.y)) return std::nullopt;
  return p;
}

}  // namespace

void WriteMoonData(const TMoonPlace& moon, kit::TBytes record) {
  if (record.size() < kit::moon_data::kSize) return;
  using namespace kit::moon_data;
  kit::PutField<uint8_t>(record, kHighPrecision, moon.highPrecision ? 1 : 0);
  kit::PutField(record, kAltitude, moon.altitudeDeg);
  kit::PutField(record, kLongitude, moon.longitudeDeg);
  kit::PutField(record, kLatitude, moon.latitudeDeg);
  kit::PutField(record, kDistance, moon.distanceEarthRadii);
  kit::PutField(record, kRa, moon.raDeg);
  kit::PutField(record, kDec, moon.decDeg);
  kit::PutField(record, kTopoRa, moon.topoRaDeg);
  kit::PutField(record, kTopoDec, moon.topoDecDeg);
  kit::PutField(record, kAgeAngle, moon.ageAngleDeg);
}

void TMoon::Init() {
  Code = "MOON";
  Name = velplatform::Cp1251("Луна");
  Version = "4.2";
  SearchCaption = velplatform::Cp1251("Луну");
  ObjectCount = 1;
  EpochKind = 2;
}

bool TMoon::InitResources(kit::TWindowHandle) {
  last_ = {};
  FreeOutlines();
  ResourcesReady = true;
  return true;
}

void TMoon::FreeResources() {
  FreeOutlines();
  ResourcesReady = false;
}

void TMoon::FreeOutlines() {
  disc_ = {};
  penumbra_ = {};
  umbra_ = {};
  visible_ = false;
}

bool TMoon::Shown() const {
  return View.objectsVisible16 != 0 &&
         (View.objectsVisible5To14 & kit::BodySwitchBit(kit::TBodySwitch::kMoon)) != 0;
}

const TMoonPlace& TMoon::Compute(bool highPrecision, bool astrometric) {
  const bool requested = highPrecision || View.alwaysHighPrecision != 0;
  const TComputeInputs inputs = ComputeInputsOfView(View, kMoon, requested, astrometric);
  if (!(inputs == last_)) {
    moon_ = ComputeMoonPlace(
        {View.mjdUt, View.mjdDynamical, View.longitudeEast, View.latitude, requested, astrometric});
    last_ = inputs;
  }
  return moon_;
}

void TMoon::CalculateObjects(const kit::TVisibleObjectReport& report) {
  FreeOutlines();
  if (!Shown()) return;
  Compute(ViewMode == 1, true);
  if (!AboveDrawingHorizon(moon_.altitudeDeg, moon_.semiDiameterArcmin)) return;
  int32_t symbolWidth = 0, symbolHeight = 0;
  GetSymbolSize(View.symbolSizes, &symbolWidth, &symbolHeight);
  const double r = DrawnRadiusDeg(moon_.semiDiameterArcmin, moon_.altitudeDeg, View.radius,
                                  symbolWidth, View.projection == 1);
  if (ViewMode != 0 && !DiscBoxInView(*this, moon_.topoRaDeg, moon_.topoDecDeg, r)) return;
  disc_ = BuildDiscOutline(moon_.topoRaDeg, moon_.topoDecDeg, r, View.radius, moon_.brightLimbDeg,
                           moon_.cosPhase);
  visible_ = !disc_.Empty() && (ViewMode == 0 || IsRectInView(disc_.rect));
  if (!visible_) return;
  if (moon_.eclipse) BuildShadow(r / (moon_.semiDiameterArcmin / 60.0));
  if (report) report(1);
}

void TMoon::BuildShadow(double enlargement) {
  const double k = enlargement;
  penumbra_ = BuildDiscOutline(moon_.shadowRaDeg, moon_.shadowDecDeg,
                               k * moon_.penumbraArcmin / 60.0, View.radius, 0.0, 1.0);
  umbra_ = BuildDiscOutline(moon_.shadowRaDeg, moon_.shadowDecDeg, k * moon_.umbraArcmin / 60.0,
                            View.radius, 0.0, 1.0);
  if (std::fabs(k - 1.0) <= 1e-4) return;
  // The shadow keeps its place relative to the enlarged disc.
  const velplatform::TPoint moonCentre =
      Projected(moon_.topoRaDeg, moon_.topoDecDeg)
          .value_or(MeanPoint(disc_.litCount > 0 ? disc_.Lit() : disc_.Unlit()));
  const velplatform::TPoint shadowCentre =
      Projected(moon_.shadowRaDeg, moon_.shadowDecDeg)
          .value_or(MeanPoint(umbra_.litCount > 0 ? umbra_.Lit() : penumbra_.Lit()));
  const double dx = shadowCentre.x - moonCentre.x;
  const double dy = shadowCentre.y - moonCentre.y;
  const auto shiftX = static_cast<int32_t>(std::nearbyint(dx * k - dx));
  const auto shiftY = static_cast<int32_t>(std::nearbyint(dy * k - dy));
  MoveOutline(penumbra_, shiftX, shiftY);
  MoveOutline(umbra_, shiftX, shiftY);
}

void TMoon::DrawShadow(velplatform::TDrawDevice& device, std::span<const velplatform::TPoint> lit,
                       const TDiscOutline& shadow, velplatform::TColor colour) const {
  const std::vector<velplatform::TPoint> part = IntersectWithConvex(lit, shadow.Lit());
  if (!part.empty()) FillPolygon(device, part, colour);
}

void TMoon::DrawObjects(const kit::TNextObject&) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr || !Shown() || !visible_ || !IsRectInView(disc_.rect)) return;
  const TPenAndBrushKeeper kept(*device);
  const velplatform::TColor unlitColour = View.colours[kit::kUnlitPartColour];
  const velplatform::TColor litColour = View.colours[kit::kSolarSystemColour];
  DrawDiscParts(*device, disc_, moon_.cosPhase, {unlitColour, litColour, litColour});
  const std::span<const velplatform::TPoint> lit = disc_.Lit();
  if (moon_.eclipse && lit.size() >= kMinimumPolygon) {
    DrawShadow(*device, lit, penumbra_, kPenumbraColour);
    DrawShadow(*device, lit, umbra_, unlitColour);
  }
}

bool TMoon::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  if (index != 1 || !visible_) return false;
  rect = disc_.rect;
  return true;
}

bool TMoon::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  if (index != 1) return false;
  const TMoonPlace& moon = Compute(true, true);
  ra = moon.topoRaDeg;
  dec = moon.topoDecDeg;
  return true;
}

int32_t TMoon::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  if (index != 1 || !Shown() || buffer.size() < kit::moon_data::kSize) return 0;
  const bool requested = kit::GetField<uint8_t>(buffer, kit::moon_data::kHighPrecision) != 0;
  WriteMoonData(Compute(requested, true), buffer);
  return static_cast<int32_t>(kit::moon_data::kSize);
}

bool TMoon::GetFObjectData(int32_t index, kit::TCommonObject& record) {
  if (index != 1 || !Shown()) return false;
  const TMoonPlace& moon = Compute(true, false);
  record.flags = kMoonObjectFlags;
  record.name = MoonName();
  record.raOfDate = moon.topoRaDeg;
  record.decOfDate = moon.topoDecDeg;
  record.sizeDeg = static_cast<float>(2.0 * moon.semiDiameterArcmin / 60.0);
  record.phase = static_cast<float>(moon.Phase());
  record.distanceAu = static_cast<float>(moon.distanceEarthRadii * kKmPerEarthRadius * kAuPerKm);
  return true;
}

void TMoon::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  if (index != 1 || !Shown()) return;
  using velplatform::Concat;
  using velplatform::Cp1251;
  const TMoonPlace moon = Compute(true, false);
  lines.Add("\x01" + MoonName());
  AddEquatorialLines(lines, GetT(View.mjdUt),
                     {moon.raDeg, moon.decDeg, moon.topoRaDeg, moon.topoDecDeg}, 1, 0);
  lines.Add(Concat({"\x01r=", ShownNumber(moon.distanceEarthRadii * kKmPerEarthRadius, 0), " ",
                    Cp1251("км"), Cp1251(";   Угловой размер: "),
                    ShownNumber(2.0 * moon.semiDiameterArcmin, 2), "'"}));
  lines.Add(Concat({"\x01", Cp1251("Возраст: "), ShownNumber(moon.AgeDays(), 1),
                    Cp1251(" дней.;  "), "\x01", Cp1251("Фаза: "), ShownNumber(moon.Phase(), 2)}));
  const double distance = ComputeBodyPosition(kMoon, true, true, GetT(last_.mjdDynamical)).distance;
  lines.Add(BodyRiseSetText(View, kMoon, MoonRiseAltitudeDeg(distance),
                            last_.mjdDynamical - last_.mjdUt));
}

std::string TMoon::GetObjectName(int32_t index) {
  if (index != 1) return {};
  return velplatform::Concat(
      {"\x01", MoonName(), velplatform::Cp1251("  (Фаза: "), ShownNumber(moon_.Phase(), 2), ")"});
}

int32_t TMoon::SelectObjectForSearch(kit::TWindowHandle) { return 1; }

kit::TGroupPtr MakeMoonGroup(const std::string&) { return kit::MakeGroup<TMoon>(); }

}  // namespace velarion::solar
