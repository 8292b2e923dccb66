// The built-in group "PLAN": the planets Mercury to Pluto with their phases and Saturn's
// rings, and seventeen satellites of Jupiter, Saturn and Uranus with their transits,
// occultations and eclipses.
#ifndef VELARION_APP_SOLAR_PLANETSGROUP_H
#define VELARION_APP_SOLAR_PLANETSGROUP_H

#include "DrawDevice.h"
#include "ObjectGroup.h"
#include "PlanetRecord.h"
#include "PlanetSettings.h"
#include "SaturnRings.h"

#include <array>
#include <cstdint>
#include <string>

namespace velarion::solar {

class TPlanets : public kit::TObjectGroup {
 public:
  void Init() override;
  bool InitResources(kit::TWindowHandle owner) override;
  void FreeResources() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  bool GetObjectRaDec(int32_t index, double& ra, double& dec) override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  bool GetFObjectData(int32_t index, kit::TCommonObject& record) override;
  void GetObjectStrings(int32_t index, kit::TZStrings& lines) override;
  std::string GetObjectName(int32_t index) override;
  bool AdvancedInfo(kit::TWindowHandle owner, int32_t index, int32_t command) override;
  int32_t SelectObjectForSearch(kit::TWindowHandle owner) override;
  bool EditOptions(kit::TWindowHandle owner) override;

  // Planet 1..8 for the current view, unless nothing changed since its last computation.
  const TPlanetObject& ComputePlanet(int32_t index, bool highPrecision, bool astrometric);
  // A satellite for the current view's moment and place, with its event.
  const TPlanetObject& ComputeSatellite(int32_t index);
  // The object of an index; none for an invalid one.
  const TPlanetObject* Object(int32_t index) const;
  const TRingGeometry& Rings() const { return rings_; }
  const TRingOutline& RingOutline() const { return ringOutline_; }
  const TPlanetSettings& Settings() const { return settings_; }

 private:
  TPlanetObject* Find(int32_t index);
  bool SolarSystemShown() const { return View.objectsVisible16 != 0; }
  bool PlanetShown(const TPlanetObject& o) const;
  const TPlanetObject& Compute(TPlanetObject& o);
  void FreeDrawing();
  void CalculatePlanet(TPlanetObject& o);
  void CalculateDisc(TPlanetObject& o);
  void CalculateSymbol(TPlanetObject& o);
  void CalculateSatellites(TPlanetIndex planetIndex, const kit::TVisibleObjectReport& report);
  std::string Label(const TPlanetObject& o) const;
  void DrawDisc(velplatform::TDrawDevice& device, const TPlanetObject& o) const;
  void DrawRings(velplatform::TDrawDevice& device) const;
  void DrawSymbolAndLabel(const TPlanetObject& o) const;
  void PlanetStrings(TPlanetObject& o, kit::TZStrings& lines);
  void SatelliteLines(const TPlanetObject& planet, kit::TZStrings& lines);
  void SatelliteStrings(TPlanetObject& o, kit::TZStrings& lines);

  std::array<TPlanetObject, kPlanetObjectCount> objects_ = MakePlanetObjects();
  TPlanetSettings settings_;
  TRingGeometry rings_;
  TRingOutline ringOutline_;
};

// The group, with its identity set. Its data are computed, so the folder is not read.
kit::TGroupPtr MakePlanetsGroup(const std::string& programFolder);

}  // namespace velarion::solar

#endif
