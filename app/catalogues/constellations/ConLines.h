// TConLines, the group "CLINE": the figure lines of the constellations, each a segment
// between two stars that move by their proper motions, drawn clipped to the view.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_CONLINES_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_CONLINES_H

#include "FigureLinesFile.h"
#include "Geometry.h"
#include "HorizonSearch.h"
#include "ObjectGroup.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velarion::catalogues {

namespace figure_line_record {
inline constexpr std::size_t kRa1 = 0, kDec1 = 4, kRa2 = 8, kDec2 = 12;  // int32 arc-seconds
inline constexpr std::size_t kConstellation = 16;
inline constexpr std::size_t kSize = 17;
}  // namespace figure_line_record

class TConLines final : public kit::TObjectGroup {
 public:
  // `programFolder` ends with "/"; "CLINES.DAT" is looked for there.
  explicit TConLines(std::string programFolder) : programFolder_(std::move(programFolder)) {}

  void Init() override;
  bool InitResources(kit::TWindowHandle owner) override;
  void FreeResources() override;
  void RefreshParam() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  bool GetObjectRaDec(int32_t index, double& ra, double& dec) override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  void GetObjectStrings(int32_t index, kit::TZStrings& lines) override;
  std::string GetObjectName(int32_t index) override;

 private:
  struct TSegment {
    TFigureLine line;
    bool visible = false;
    kit::TObjectRect rect;
    velplatform::TPoint end1;
    velplatform::TPoint end2;
  };
  struct TMovedEnds {  // arc-seconds, after proper motion
    int32_t ra1, dec1, ra2, dec2;
  };
  TMovedEnds Moved(const TFigureLine& line) const;
  bool ProjectQuick(TSegment& segment) const;
  bool ProjectDetailed(TSegment& segment) const;

  std::string programFolder_;
  std::vector<TSegment> segments_;
  int32_t timeArgument_ = 0;  // hundredths of a Julian year since J2000.0
};

kit::TGroupPtr MakeConstellationLinesGroup(const std::string& programFolder);

}  // namespace velarion::catalogues

#endif
