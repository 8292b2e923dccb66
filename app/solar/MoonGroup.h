// The built-in group "MOON": the Moon with its true phase, the Earth's shadow on it during
// an eclipse, and its information lines.
#ifndef VELARION_APP_SOLAR_MOONGROUP_H
#define VELARION_APP_SOLAR_MOONGROUP_H

#include "ComputeInputs.h"
#include "DiscOutline.h"
#include "DrawDevice.h"
#include "MoonPlace.h"
#include "ObjectGroup.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace velarion::solar {

void WriteMoonData(const TMoonPlace& moon, kit::TBytes record);

class TMoon : public kit::TObjectGroup {
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

  // Computes the Moon for the current view unless nothing changed since the last time.
  const TMoonPlace& Compute(bool highPrecision, bool astrometric);
  const TDiscOutline& Disc() const { return disc_; }
  const TDiscOutline& Penumbra() const { return penumbra_; }
  const TDiscOutline& Umbra() const { return umbra_; }
  bool Visible() const { return visible_; }

 private:
  bool Shown() const;
  void FreeOutlines();
  void BuildShadow(double enlargement);
  void DrawShadow(velplatform::TDrawDevice& device, std::span<const velplatform::TPoint> lit,
                  const TDiscOutline& shadow, velplatform::TColor colour) const;

  TComputeInputs last_;
  TMoonPlace moon_;
  TDiscOutline disc_;
  TDiscOutline penumbra_;
  TDiscOutline umbra_;
  bool visible_ = false;
};

// The group, with its identity set. Its data are computed, so the folder is not read.
kit::TGroupPtr MakeMoonGroup(const std::string& programFolder);

}  // namespace velarion::solar

#endif
