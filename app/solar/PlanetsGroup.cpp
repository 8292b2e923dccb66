#include "PlanetsGroup.h"

#include "BodyInfoText.h"
#include "BodyPosition.h"
#include "Concat.h"
#include "Cp1251.h"
#include "DiscDrawing.h"
#include "FindForm.h"
#include "MoonPlace.h"
#include "PlanetOptionsDialog.h"
#include "PlanetPhysics.h"
#include "ProjectionExports.h"
#include "RiseSet.h"
#include "RiseSetDialog.h"
#include "SatelliteEvents.h"
#include "SkyImageExports.h"
#include "Twilight.h"
#include "Units.h"
#include "velastro.h"
#include "velmoons.h"

#include <cmath>
#include <optional>

namespace velarion::solar {

namespace {

using velplatform::Concat;
using velplatform::Cp1251;

using velcommon::kDegToRad;
using velcommon::kKmPerAu;
using velcommon::kRadToDeg;
constexpr int32_t kSatelliteFlags = kit::kObjectName | kit::kObjectPositionSolarSystem |
                                    kit::kObjectVisualMagnitude | kit::kObjectDistance;
constexpr int32_t kOuterPlanetFlags = kSatelliteFlags | kit::kObjectSize;
constexpr int32_t kInnerPlanetFlags = kOuterPlanetFlags | kit::kObjectPhase;
// Rising: the centre 34' below the horizon, the refraction there.
constexpr double kRiseAltitudeDeg = -0.5666666666666667;
constexpr int32_t kMinDiscRadiusPx = 3;
constexpr double kHorizonMarginDeg = 0.7;
constexpr double kSatelliteNeighbourhoodDeg = 1.0;
constexpr int32_t kBrightSatellite = 900;

using TSatelliteTheory = void (*)(double, int32_t, double*, double*, double*, double*);

TSatelliteTheory TheoryOf(TPlanetIndex planet) {
  switch (planet) {
    case TPlanetIndex::kJupiter:
      return CalcJupSat;
    case TPlanetIndex::kSaturn:
      return CalcSatSat;
    case TPlanetIndex::kUranus:
      return CalcUraSat;
    default:
      return nullptr;
  }
}

// The satellites of a planet: first index and count.
struct TFamily {
  TPlanetIndex planetIndex;
  int32_t firstIndex;
  int32_t count;
  const char* genitive;
  const char* heading;
};
constexpr std::array<TFamily, 3> kFamilies = {{
    {TPlanetIndex::kJupiter, 10, 4, "Юпитера",
     "Спутники Юпитера: (PA - позиц. угол; Sep - углов. расстояние)"},
    {TPlanetIndex::kSaturn, 50, 8, "Сатурна", "Спутники Сатурна:"},
    {TPlanetIndex::kUranus, 100, 5, "Урана", "Спутники Урана:"},
}};

const TFamily* FamilyOf(TPlanetIndex planetIndex) {
  for (const TFamily& f : kFamilies) {
    if (f.planetIndex == planetIndex) return &f;
  }
  return nullptr;
}

int32_t RoundMagnitude(double magnitude) {
  return std::isfinite(magnitude) ? static_cast<int32_t>(std::nearbyint(magnitude * 100.0)) : 0;
}

struct TSatellitePlace {
  double ra = 0.0, dec = 0.0, distance = 0.0, magnitude = 0.0;
};

TSatellitePlace SatelliteAt(TPlanetIndex planetIndex, uint8_t number, double tCenturies) {
  TSatellitePlace p;
  if (TSatelliteTheory theory = TheoryOf(planetIndex)) {
    theory(tCenturies, number, &p.ra, &p.dec, &p.distance, &p.magnitude);
  }
  return p;
}

std::string EventText(TSatelliteEvent event) {
  switch (event) {
    case TSatelliteEvent::kTransit:
      return Cp1251("; Прохожд.");
    case TSatelliteEvent::kOccultation:
      return Cp1251("; Покрытие");
    case TSatelliteEvent::kEclipse:
      return Cp1251("; Затм.");
    case TSatelliteEvent::kNone:
      break;
  }
  return {};
}

bool Visibility(TSatelliteEvent event) {
  return event == TSatelliteEvent::kNone || event == TSatelliteEvent::kTransit;
}

}  // namespace

void TPlanets::Init() {
  Code = "PLAN";
  Name = Cp1251("Планеты и спутники");
  Version = "4.0";
  SearchCaption = Cp1251("планету");
  ObjectCount = kPlanetObjectCount;
  EpochKind = 2;
  InfoItems.Add(Cp1251("Восход/Заход"));
  HasOptions = true;
}

bool TPlanets::InitResources(kit::TWindowHandle) {
  objects_ = MakePlanetObjects();
  settings_ = ReadPlanetSettings();
  rings_ = {};
  ringOutline_ = {};
  ResourcesReady = true;
  return true;
}

void TPlanets::FreeResources() {
  FreeDrawing();
  WritePlanetSettings(settings_);
  ResourcesReady = false;
}

void TPlanets::FreeDrawing() {
  for (TPlanetObject& o : objects_) {
    o.visible = false;
    o.disc = {};
  }
  ringOutline_ = {};
}

TPlanetObject* TPlanets::Find(int32_t index) {
  const std::optional<std::size_t> slot = PlanetSlot(index);
  return slot ? &objects_[*slot] : nullptr;
}

const TPlanetObject* TPlanets::Object(int32_t index) const {
  const std::optional<std::size_t> slot = PlanetSlot(index);
  return slot ? &objects_[*slot] : nullptr;
}

bool TPlanets::PlanetShown(const TPlanetObject& o) const {
  return SolarSystemShown() && (View.objectsVisible5To14 & o.bodyBit) != 0;
}

const TPlanetObject& TPlanets::Compute(TPlanetObject& o) {
  return o.isSatellite ? ComputeSatellite(o.index) : ComputePlanet(o.index, true, true);
}

// ---- Computation ------------------------------------------------------------------------

const TPlanetObject& TPlanets::ComputePlanet(int32_t index, bool highPrecision, bool astrometric) {
  TPlanetObject& o = *Find(PlanetOfObject(index) ? index : ObjectIndexOf(TPlanetIndex::kMercury));
  const bool requested = highPrecision || View.alwaysHighPrecision != 0;
  const TComputeInputs inputs = ComputeInputsOfView(View, o.body, requested, astrometric);
  if (inputs == o.inputs) return o;
  const double t = GetT(View.mjdDynamical);
  const TBodyPosition p = ComputeBodyPosition(o.body, requested, astrometric, t);
  const TBodyPosition sun = ComputeBodyPosition(kSun, requested, astrometric, t);
  o.raDeg = p.raDeg;
  o.decDeg = p.decDeg;
  o.distanceAu = p.distance;
  o.helioDistanceAu = p.helioDistanceAu;
  o.helioLatitudeDeg = p.helioLatitudeDeg;
  o.helioLongitudeDeg = p.helioLongitudeDeg;
  o.sunDistanceAu = sun.distance;
  o.altitudeDeg = Parallax(LMST(View.mjdUt, -View.longitudeEast), p.raDeg, p.decDeg,
                           p.distance * kKmPerAu, View.latitude, &o.topoRaDeg, &o.topoDecDeg);
  o.diameterDeg = ApparentDiameterDeg(o.diameterAt1AuArcsec, p.distance);
  o.cosPhase = PlanetCosPhase(p.distance, p.helioDistanceAu, sun.distance);
  o.illuminated = IlluminatedFraction(o.cosPhase);
  const double phaseAngleDeg = std::acos(o.cosPhase) * kRadToDeg;
  o.magnitude =
      RoundMagnitude(PlanetMagnitude(o.planetIndex, phaseAngleDeg, p.helioDistanceAu, p.distance));
  o.brightLimbDeg = BrightLimb(o.topoRaDeg, o.topoDecDeg, sun.raDeg, sun.decDeg).brightLimbDeg;
  if (o.planetIndex == TPlanetIndex::kSaturn) {
    rings_ = ComputeRingGeometry(GetT(View.mjdUt), o.topoRaDeg, o.topoDecDeg, p.distance,
                                 p.helioLongitudeDeg, p.helioLatitudeDeg);
  }
  o.highPrecision = p.highPrecision;
  o.inputs = inputs;
  return o;
}

const TPlanetObject& TPlanets::ComputeSatellite(int32_t index) {
  TPlanetObject* found = Find(index);
  TPlanetObject& o = found != nullptr && found->isSatellite ? *found : *Find(10);
  const TComputeInputs inputs{View.mjdUt, View.mjdDynamical, View.longitudeEast, View.latitude};
  if (inputs == o.inputs) return o;
  const double t = GetT(View.mjdDynamical);
  const TSatellitePlace s = SatelliteAt(o.planetIndex, o.satelliteNumber, t);
  o.raDeg = s.ra;
  o.decDeg = s.dec;
  o.distanceAu = s.distance;
  o.magnitude = RoundMagnitude(s.magnitude);
  o.altitudeDeg = Parallax(LMST(View.mjdUt, -View.longitudeEast), s.ra, s.dec,
                           s.distance * kKmPerAu, View.latitude, &o.topoRaDeg, &o.topoDecDeg);
  // The planet and the Sun of this very moment, as the satellite theories see them: never
  // a planet's record computed for another moment or with other flags.
  const TBodyPosition planet = ComputeBodyPosition(o.body, true, true, t);
  const TBodyPosition sun = ComputeBodyPosition(kSun, true, true, t);
  o.event =
      SatelliteEventOf({planet.raDeg, planet.decDeg, planet.distance}, {s.ra, s.dec, s.distance},
                       {sun.raDeg, sun.decDeg, sun.distance}, FigureOfPlanet(o.planetIndex));
  o.inputs = inputs;
  return o;
}

// ---- Calculation ------------------------------------------------------------------------

void TPlanets::CalculateObjects(const kit::TVisibleObjectReport& report) {
  // Every flag is reset first, so that nothing hidden since the last view can be picked.
  FreeDrawing();
  if (!SolarSystemShown()) return;
  for (int32_t index = 1; index <= kPlanetCount; ++index) {
    TPlanetObject& o = *Find(index);
    if (!PlanetShown(o)) continue;
    CalculatePlanet(o);
    if (o.visible && report) report(index);
  }
  for (const TFamily& f : kFamilies) CalculateSatellites(f.planetIndex, report);
}

void TPlanets::CalculatePlanet(TPlanetObject& o) {
  ComputePlanet(o.index, ViewMode == 1, true);
  const auto rpx =
      static_cast<int32_t>(std::nearbyint(std::sin(o.diameterDeg / 2.0 * kDegToRad) * View.radius));
  if (rpx >= kMinDiscRadiusPx) {
    CalculateDisc(o);
  } else {
    CalculateSymbol(o);
  }
}

void TPlanets::CalculateDisc(TPlanetObject& o) {
  const double radius = o.diameterDeg / 2.0;
  if (!(o.altitudeDeg > -radius - kHorizonMarginDeg)) return;
  // Off the window the disc is not built, and what is not built is not shown.
  if (ViewMode != 0 && !DiscBoxInView(*this, o.topoRaDeg, o.topoDecDeg, radius)) return;
  o.disc =
      BuildDiscOutline(o.topoRaDeg, o.topoDecDeg, radius, View.radius, o.brightLimbDeg, o.cosPhase);
  if (o.disc.Empty()) return;
  o.rect = o.disc.rect;
  if (o.planetIndex == TPlanetIndex::kSaturn) {
    const TRingView view{
        View.centreX,
        View.centreY,
        View.radius,
        {ViewRect.left - 2, ViewRect.top - 2, ViewRect.right + 2, ViewRect.bottom + 2}};
    ringOutline_ = BuildRingOutline(o.topoRaDeg, o.topoDecDeg, o.distanceAu, radius, rings_, view);
    if (ringOutline_.Present()) {
      const velplatform::TRect b = ringOutline_.area.Bounds();
      o.rect = {std::min(o.rect.left, b.left), std::min(o.rect.top, b.top),
                std::max(o.rect.right, b.right), std::max(o.rect.bottom, b.bottom)};
    }
  }
  o.visible = IsRectInView(o.rect);
}

std::string TPlanets::Label(const TPlanetObject& o) const {
  return settings_.namesInLabels ? "\x01" + o.name : o.symbol;
}

void TPlanets::CalculateSymbol(TPlanetObject& o) {
  velplatform::TPoint p;
  const bool projected =
      ViewMode == 1
          ? RaDecToXY(o.topoRaDeg, o.topoDecDeg, &p.x, &p.y)
          : QuickRaDecToXY(static_cast<int32_t>(std::nearbyint(o.topoRaDeg * 60.0)),
                           static_cast<int32_t>(std::nearbyint(o.topoDecDeg * 60.0)), &p.x, &p.y);
  if (!projected) return;
  o.symbolSize = SymbolSizeForMagnitude(o.magnitude);
  int32_t w = 0, h = 0;
  GetSymbolSize(o.symbolSize, &w, &h);
  o.symbolCorner = {p.x - w / 2, p.y - h / 2};
  o.rect = {o.symbolCorner.x, o.symbolCorner.y, o.symbolCorner.x + w, o.symbolCorner.y + h};
  const int32_t labelHeight = View.fontHeight * 5 / 4;
  if (h < labelHeight) o.rect.top -= labelHeight - h;
  o.rect.right += DrawString(Label(o).c_str(), 0, 0, false) + 1;
  o.visible = true;
}

void TPlanets::CalculateSatellites(TPlanetIndex planetIndex,
                                   const kit::TVisibleObjectReport& report) {
  const bool wanted = planetIndex == TPlanetIndex::kJupiter  ? settings_.showJupiterSatellites
                      : planetIndex == TPlanetIndex::kSaturn ? settings_.showSaturnSatellites
                                                             : settings_.showUranusSatellites;
  const TPlanetObject& planet = *Find(ObjectIndexOf(planetIndex));
  // The planet was computed for this view just now when its bit is set.
  if (!wanted || !PlanetShown(planet) || View.zoomPercent < settings_.satZoom ||
      !DiscBoxInView(*this, planet.raDeg, planet.decDeg, kSatelliteNeighbourhoodDeg)) {
    return;
  }
  const TFamily& family = *FamilyOf(planetIndex);
  for (int32_t n = 0; n < family.count; ++n) {
    TPlanetObject& o = *Find(family.firstIndex + n);
    ComputeSatellite(o.index);
    velplatform::TPoint p;
    if (!Visibility(o.event) || !RaDecToXY(o.topoRaDeg, o.topoDecDeg, &p.x, &p.y)) continue;
    o.symbolSize = View.symbolSizes > 4 && o.magnitude < kBrightSatellite ? 4 : 2;
    int32_t w = 0, h = 0;
    GetSymbolSize(o.symbolSize, &w, &h);
    o.symbolCorner = {p.x - w / 2, p.y - h / 2};
    o.rect = {o.symbolCorner.x, o.symbolCorner.y, o.symbolCorner.x + w, o.symbolCorner.y + h};
    o.visible = true;
    if (report) report(o.index);
  }
}

// ---- Drawing ----------------------------------------------------------------------------

void TPlanets::DrawObjects(const kit::TNextObject& next) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr || !next) return;
  // Each visible object is yielded once: more than all of them means the iteration is
  // not ending.
  for (int32_t drawn = 0; drawn <= kPlanetObjectCount; ++drawn) {
    const int32_t index = next();
    if (index == -1) break;
    const TPlanetObject* o = Object(index);
    if (o == nullptr || !o->visible || !PlanetShown(*o) || !IsRectInView(o->rect)) continue;
    if (!o->isSatellite && !o->disc.Empty()) {
      DrawDisc(*device, *o);
      if (o->planetIndex == TPlanetIndex::kSaturn && ringOutline_.Present()) DrawRings(*device);
    } else {
      DrawSymbolAndLabel(*o);
    }
  }
}

void TPlanets::DrawDisc(velplatform::TDrawDevice& device, const TPlanetObject& o) const {
  const TPenAndBrushKeeper kept(device);
  DrawDiscParts(device, o.disc, o.cosPhase,
                {View.colours[kit::kUnlitPartColour], View.colours[kit::kStarImageColour],
                 View.colours[kit::kSolarSystemColour]});
}

void TPlanets::DrawRings(velplatform::TDrawDevice& device) const {
  const velplatform::TColor pen = device.PenColor();
  auto fill = [&device](const TPixelRegion& region, velplatform::TColor colour) {
    for (const auto& [y, spans] : region.Rows()) {
      for (const auto& [x0, x1] : spans) device.FillRect({x0, y, x1, y + 1}, colour);
    }
  };
  fill(ringOutline_.area, View.colours[kit::kSolarSystemColour]);
  const velplatform::TColor division = View.colours[kit::kUnlitPartColour];
  if (ringOutline_.cassini.size() >= 2) {
    device.SetPen(division, 1, velplatform::TPenStyle::kSolid);
    device.Polyline(ringOutline_.cassini);
  }
  if (ringOutline_.encke.size() >= 2) {
    device.SetPen(division, 1, velplatform::TPenStyle::kDot);
    device.Polyline(ringOutline_.encke);
  }
  fill(ringOutline_.area.Border(), View.colours[kit::kStarImageColour]);
  device.SetPen(pen);
}

void TPlanets::DrawSymbolAndLabel(const TPlanetObject& o) const {
  const auto colour = static_cast<int32_t>(View.colours[kit::kSolarSystemColour]);
  DrawSymbol(o.symbolSize, o.symbolCorner.x, o.symbolCorner.y, colour);
  if (o.isSatellite) return;
  int32_t w = 0, h = 0;
  GetSymbolSize(o.symbolSize, &w, &h);
  const int32_t previous = SetDrawColor(kit::kTextColour, colour);
  DrawString(Label(o).c_str(), o.symbolCorner.x + w + 1,
             o.symbolCorner.y + h - View.fontHeight * 5 / 4, true);
  SetDrawColor(kit::kTextColour, previous);
}

// ---- Object operations ------------------------------------------------------------------

bool TPlanets::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  const TPlanetObject* o = Object(index);
  if (o == nullptr || !SolarSystemShown() || !o->visible) return false;
  rect = o->rect;
  return true;
}

bool TPlanets::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  TPlanetObject* o = Find(index);
  if (o == nullptr) return false;
  if (o->isSatellite) {
    ComputeSatellite(index);
  } else {
    ComputePlanet(index, true, true);
  }
  ra = o->topoRaDeg;
  dec = o->topoDecDeg;
  return o->isSatellite || (View.objectsVisible5To14 & o->bodyBit) != 0;
}

int32_t TPlanets::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  TPlanetObject* o = Find(index);
  if (o == nullptr || !PlanetShown(*o) || buffer.size() < kit::planet_data::kSize) return 0;
  if (o->isSatellite) {
    ComputeSatellite(index);
  } else {
    ComputePlanet(index, kit::GetField<uint8_t>(buffer, kit::planet_data::kHighPrecision) != 0,
                  true);
  }
  WritePlanetData(*o, buffer);
  return static_cast<int32_t>(kit::planet_data::kSize);
}

bool TPlanets::GetFObjectData(int32_t index, kit::TCommonObject& record) {
  TPlanetObject* o = Find(index);
  if (o == nullptr) return false;
  record.name = o->name;
  if (o->isSatellite) {
    ComputeSatellite(index);
    const double t = GetT(View.mjdDynamical);
    double ra = 0.0, dec = 0.0;
    ObjApparentRaDec(t, o->raDeg, o->decDeg, o->distanceAu, &ra, &dec);
    Parallax(LMST(View.mjdUt, -View.longitudeEast), ra, dec, o->distanceAu * kKmPerAu,
             View.latitude, &record.raOfDate, &record.decOfDate);
    record.flags = kSatelliteFlags;
  } else {
    ComputePlanet(index, true, false);
    record.raOfDate = o->topoRaDeg;
    record.decOfDate = o->topoDecDeg;
    record.flags = o->planetIndex <= TPlanetIndex::kMars ? kInnerPlanetFlags : kOuterPlanetFlags;
  }
  record.visualMagnitude = static_cast<float>(o->magnitude / 100.0);
  record.distanceAu = static_cast<float>(o->distanceAu);
  if ((record.flags & kit::kObjectSize) != 0) record.sizeDeg = static_cast<float>(o->diameterDeg);
  if ((record.flags & kit::kObjectPhase) != 0) record.phase = static_cast<float>(o->illuminated);
  return true;
}

std::string TPlanets::GetObjectName(int32_t index) {
  const TPlanetObject* o = Object(index);
  if (o == nullptr) return {};
  return Concat({"\x01", o->name, " (", ShownNumber(o->magnitude / 100.0, 2), "\x03m\x04)"});
}

void TPlanets::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  TPlanetObject* o = Find(index);
  if (o == nullptr || !PlanetShown(*o)) return;
  if (o->isSatellite) {
    SatelliteStrings(*o, lines);
  } else {
    PlanetStrings(*o, lines);
  }
}

void TPlanets::PlanetStrings(TPlanetObject& o, kit::TZStrings& lines) {
  const TPlanetObject p = ComputePlanet(o.index, true, false);
  const TRingGeometry rings = rings_;
  lines.Add("\x01" + p.name);
  AddEquatorialLines(lines, GetT(View.mjdUt), {p.raDeg, p.decDeg, p.topoRaDeg, p.topoDecDeg}, 2, 1);
  lines.Add(Concat({"\x01r=", ShownNumber(p.distanceAu, 4), " ", Cp1251("а.е.")}));
  std::string brightness =
      Concat({"\x01V: ", ShownNumber(p.magnitude / 100.0, 2), "\x03m\x04\x01",
              Cp1251(";   Угловой размер: "), ShownNumber(p.diameterDeg * 3600.0, 1), "\""});
  if (p.planetIndex <= TPlanetIndex::kMars) {
    brightness += Concat({"\x01", ";  ", Cp1251("Фаза: "), ShownNumber(p.illuminated, 2)});
  }
  lines.Add(brightness);
  if (p.planetIndex == TPlanetIndex::kSaturn) {
    lines.Add("");
    lines.Add(Cp1251("Кольца Сатурна:"));
    lines.Add(Concat(
        {Cp1251("Угол наклона с Земли:  "), ShownNumber(rings.tiltFromEarthDeg, 1), Cp1251("°")}));
    lines.Add(Concat(
        {Cp1251("Угол наклона с Солнца:  "), ShownNumber(rings.tiltFromSunDeg, 1), Cp1251("°")}));
    lines.Add(Concat({Cp1251("Видимые размеры: "), ShownNumber(rings.majorAxisDeg * 3600.0, 1),
                      "\" x ", ShownNumber(rings.minorAxisDeg * 3600.0, 1), "\""}));
  }
  const TPlanetObject& astrometric = ComputePlanet(o.index, true, true);
  if (FamilyOf(p.planetIndex) != nullptr) SatelliteLines(astrometric, lines);
}

void TPlanets::SatelliteLines(const TPlanetObject& planet, kit::TZStrings& lines) {
  const TFamily& family = *FamilyOf(planet.planetIndex);
  lines.Add("");
  lines.Add(Cp1251(family.heading));
  for (int32_t n = 0; n < family.count; ++n) {
    const TPlanetObject& s = ComputeSatellite(family.firstIndex + n);
    const TPositionAngle pa =
        SatellitePositionAngle(planet.raDeg, planet.decDeg, s.raDeg, s.decDeg);
    lines.Add(Concat({s.name, ": ", "PA = ", ShownNumber(pa.positionAngleDeg, 0), Cp1251("°; "),
                      "Sep = ", ShownNumber(pa.separationDeg * 3600.0, 1), "\"; ", "V: ",
                      ShownNumber(s.magnitude / 100.0, 1), "\x03m\x04", EventText(s.event)}));
  }
}

void TPlanets::SatelliteStrings(TPlanetObject& o, kit::TZStrings& lines) {
  ComputeSatellite(o.index);
  TGeoAndTopoPlaces places;
  ObjApparentRaDec(GetT(View.mjdDynamical), o.raDeg, o.decDeg, o.distanceAu, &places.raDeg,
                   &places.decDeg);
  Parallax(LMST(View.mjdUt, -View.longitudeEast), places.raDeg, places.decDeg,
           o.distanceAu * kKmPerAu, View.latitude, &places.topoRaDeg, &places.topoDecDeg);
  lines.Add("\x01" + o.name);
  lines.Add(Concat({"\x01", Cp1251("(Спутник "), Cp1251(FamilyOf(o.planetIndex)->genitive), ")"}));
  AddEquatorialLines(lines, GetT(View.mjdUt), places, 1, 0);
  lines.Add(Concat({"\x01r=", ShownNumber(o.distanceAu, 4), " ", Cp1251("а.е.")}));
  lines.Add(Concat({"\x01V: ", ShownNumber(o.magnitude / 100.0, 1), "\x03m\x04"}));
}

bool TPlanets::AdvancedInfo(kit::TWindowHandle owner, int32_t index, int32_t command) {
  TPlanetObject* o = Find(index);
  if (o == nullptr || !PlanetShown(*o) || command != 1) return false;
  // The record is brought to this view first, so that its moments are never the unset ones.
  Compute(*o);
  const double deltaT = o->inputs.mjdDynamical - o->inputs.mjdUt;
  const TPlanetObject object = *o;
  const TRiseSetTimes times = ComputeRiseSet(
      ObserverOfView(View), kRiseAltitudeDeg, GetT(View.mjdUt),
      [object, deltaT](double mjd, double& ra, double& dec) {
        const double t = GetT(mjd + deltaT);
        if (object.isSatellite) {
          const TSatellitePlace s = SatelliteAt(object.planetIndex, object.satelliteNumber, t);
          ra = s.ra;
          dec = s.dec;
          return;
        }
        const TBodyPosition p =
            ComputeBodyPosition(object.body, true, object.inputs.astrometric, t);
        ra = p.raDeg;
        dec = p.decDeg;
      });
  ShowRiseSetTimes(owner, times);
  return true;
}

int32_t TPlanets::SelectObjectForSearch(kit::TWindowHandle owner) {
  catalogues::TFindForm form(Cp1251("Поиск планеты"));
  form.ClearNames();
  form.SetSorted(false);
  for (int32_t index = 1; index <= kPlanetCount; ++index) form.AddName(Find(index)->name);
  const std::optional<std::string> chosen = form.Run(owner);
  if (!chosen) return -1;
  for (int32_t index = 1; index <= kPlanetCount; ++index) {
    const TPlanetObject& o = *Find(index);
    if (catalogues::NormaliseName(o.name) != *chosen) continue;
    ComputePlanet(index, o.highPrecision, true);
    return index;
  }
  return -1;
}

bool TPlanets::EditOptions(kit::TWindowHandle owner) {
  const std::optional<TPlanetSettings> edited = EditPlanetSettings(owner, settings_);
  if (!edited) return false;
  settings_ = *edited;
  return true;
}

kit::TGroupPtr MakePlanetsGroup(const std::string&) { return kit::MakeGroup<TPlanets>(); }

}  // namespace velarion::solar
