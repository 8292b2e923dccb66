// TDeepSkyObjects ("DEEPS"): the bright galaxies, nebulae and clusters of DEEPSKY.DAT,
// drawn with the cluster or nebula sign and a short catalogue name, in J2000.0.
#ifndef VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYOBJECTS_H
#define VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYOBJECTS_H

#include "DeepSkyFile.h"
#include "Geometry.h"
#include "ObjectGroup.h"

#include <optional>
#include <string>
#include <vector>

namespace velarion::catalogues {

class TDeepSkyObjects : public kit::TObjectGroup {
 public:
  static constexpr char kFileName[] = "DEEPSKY.DAT";

  explicit TDeepSkyObjects(std::string programFolder) : folder_(std::move(programFolder)) {}

  void Init() override;
  bool InitResources(kit::TWindowHandle owner) override;
  void FreeResources() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  bool GetObjectRaDec(int32_t index, double& ra, double& dec) override;
  bool AdvancedInfo(kit::TWindowHandle owner, int32_t index, int32_t command) override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  bool GetFObjectData(int32_t index, kit::TCommonObject& record) override;
  void GetObjectStrings(int32_t index, kit::TZStrings& lines) override;
  std::string GetObjectName(int32_t index) override;
  int32_t SelectObjectForSearch(kit::TWindowHandle owner) override;

 private:
  struct TObject {
    int32_t raArcsec = 0;
    int32_t decArcsec = 0;
    int16_t magnitude = 0;  // V x 100
    int32_t symbol = 0;
    std::string label;
    bool visible = false;
    kit::TObjectRect rect;
    velplatform::TPoint symbolCorner;
    int32_t labelX = 0;
  };
  std::optional<TDeepSkyRecord> Record(int32_t index) const;
  const TObject* Object(int32_t index) const;
  // The screen point of an object, when it is in view.
  std::optional<velplatform::TPoint> Place(const TObject& object) const;
  void Lay(TObject& object, velplatform::TPoint at) const;

  std::string folder_;
  std::optional<TDeepSkyFile> file_;
  std::vector<TObject> objects_;
};

}  // namespace velarion::catalogues

#endif
