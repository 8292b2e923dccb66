// TConBounds, the group "BOUND": the constellation boundaries of B1875.0, each segment
// along a parallel or a meridian, sampled into screen points at every calculation.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_CONBOUNDS_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_CONBOUNDS_H

#include "BoundaryFile.h"
#include "BoundaryPoints.h"
#include "ObjectGroup.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velarion::catalogues {

namespace boundary_record {
inline constexpr std::size_t kRa1 = 0, kDec1 = 2, kRa2 = 4, kDec2 = 6;  // int16 arc-minutes
inline constexpr std::size_t kFirst = 8, kSecond = 9;
inline constexpr std::size_t kSize = 10;
}  // namespace boundary_record

// B1875.0 in Julian centuries from J2000.0.
inline constexpr double kEpochB1875 = -1.2499657768;

class TConBounds final : public kit::TObjectGroup {
 public:
  // `programFolder` ends with "/"; "Bounds.dat" is looked for there.
  explicit TConBounds(std::string programFolder) : programFolder_(std::move(programFolder)) {}

  void Init() override;
  bool InitResources(kit::TWindowHandle owner) override;
  void FreeResources() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  bool GetObjectRaDec(int32_t index, double& ra, double& dec) override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  void GetObjectStrings(int32_t index, kit::TZStrings& lines) override;
  std::string GetObjectName(int32_t index) override;

 private:
  struct TSegment {
    TBoundarySegment record;
    TBoundaryPoints points;  // of the last calculation, in pieces split at the horizon
    kit::TObjectRect rect;
  };
  bool HasPoints(int32_t index);

  std::string programFolder_;
  std::vector<TSegment> segments_;
  TBoundaryPoints samples_;  // shared by all segments while they are sampled
};

kit::TGroupPtr MakeConstellationBoundsGroup(const std::string& programFolder);

}  // namespace velarion::catalogues

#endif
