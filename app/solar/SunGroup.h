// The built-in group "SUN": the Sun's disc, its information lines, and the twilight class
// and sky colour the sky image paints the background with.
#ifndef VELARION_APP_SOLAR_SUNGROUP_H
#define VELARION_APP_SOLAR_SUNGROUP_H

#include "ComputeInputs.h"
#include "DiscOutline.h"
#include "ObjectGroup.h"
#include "Twilight.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace velarion::solar {

// The Sun as last computed.
struct TSunPlace {
  double altitudeDeg = 0.0;  // topocentric, no refraction
  TTwilightClass twilight = kNight;
  uint32_t background = 0;
  double longitudeDeg = 0.0;  // geocentric ecliptic of date
  double latitudeDeg = 0.0;
  double distanceAu = 0.0;
  double raDeg = 0.0;  // geocentric, mean equator of date
  double decDeg = 0.0;
  double topoRaDeg = 0.0;
  double topoDecDeg = 0.0;
  double semiDiameterArcmin = 0.0;
  bool highPrecision = false;
  bool astrometric = false;
};

void WriteSunData(const TSunPlace& sun, kit::TBytes record);

class TSun : public kit::TObjectGroup {
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
  int32_t SelectObjectForSearch(kit::TWindowHandle owner) override;

  // Computes the Sun for the current view unless nothing changed since the last time;
  // the sky colour is chosen afresh either way.
  const TSunPlace& Compute(bool highPrecision, bool astrometric);
  const TDiscOutline& Outline() const { return outline_; }
  bool Visible() const { return visible_; }
  double DiscRadiusPx() const { return discRadiusPx_; }

 private:
  bool Shown() const;
  void BuildOutline();

  TComputeInputs last_;
  TSunPlace sun_;
  double discRadiusPx_ = 0.0;
  TDiscOutline outline_;
  bool visible_ = false;
};

// The group, with its identity set. Its data are computed, so the folder is not read.
kit::TGroupPtr MakeSunGroup(const std::string& programFolder);

}  // namespace velarion::solar

#endif
