// THorizonGrid ("HGRID"): azimuth lines (objects 1 .. A) and altitude circles
// (A + 1 .. A + H, the highest first) in the horizontal frame of the disc.
#ifndef VELARION_APP_CATALOGUES_GRIDS_HORIZONGRID_H
#define VELARION_APP_CATALOGUES_GRIDS_HORIZONGRID_H

#include "GridLine.h"
#include "GridSettings.h"
#include "HorizontalLines.h"
#include "ObjectGroup.h"

#include <optional>
#include <vector>

namespace velarion::catalogues {

class THorizonGrid : public kit::TObjectGroup {
 public:
  static constexpr std::size_t kDataSize = 9;

  void Init() override;
  void FreeResources() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  std::string GetObjectName(int32_t index) override;

  int32_t AzimuthStep() const { return azStep_; }    // arc-minutes
  int32_t AltitudeStep() const { return altStep_; }  // arc-minutes
  int32_t AzimuthLineCount() const { return static_cast<int32_t>(azLines_.size()); }
  int32_t AltitudeCircleCount() const { return static_cast<int32_t>(altCircles_.size()); }

 private:
  struct TLineValue {
    uint8_t type;  // 1 azimuth line, 2 altitude circle
    int32_t arcmin;
  };
  THorizontalView ViewOfDisc() const;
  void ChooseSteps(const THorizontalView& v);
  void ResizeLines();
  void FreeLines();
  void CalculateAzimuthLines(const THorizontalView& v, const kit::TVisibleObjectReport& report);
  void CalculateAltitudeCircles(const THorizontalView& v, const kit::TVisibleObjectReport& report);
  // The radius factor of the highest altitude circle, where the azimuth lines end.
  double InnerFactor(bool stereographic) const;
  const TGridLine* Line(int32_t index) const;
  std::optional<TLineValue> ShownValue(int32_t index) const;

  TGridParams params_;
  int32_t azStep_ = 600;
  int32_t altStep_ = 600;
  std::vector<int32_t> chord_;  // quick view only, for the current radius
  double azimuthExtent_ = 360.0;
  double edgeDistance_ = 0.0;
  std::vector<TGridLine> azLines_;
  std::vector<TGridLine> altCircles_;
};

}  // namespace velarion::catalogues

#endif
