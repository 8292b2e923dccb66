// TEquatorialGrid ("EGRID"): hour circles (objects 1 .. M) and declination circles
// (M + 1 .. M + P) in the true equator of date, with their labels.
#ifndef VELARION_APP_CATALOGUES_GRIDS_EQUATORIALGRID_H
#define VELARION_APP_CATALOGUES_GRIDS_EQUATORIALGRID_H

#include "GridLine.h"
#include "GridSettings.h"
#include "ObjectGroup.h"

#include <optional>
#include <vector>

namespace velarion::catalogues {

class TEquatorialGrid : public kit::TObjectGroup {
 public:
  static constexpr std::size_t kDataSize = 9;

  void Init() override;
  void FreeResources() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  std::string GetObjectName(int32_t index) override;

  int32_t RaStep() const { return raStep_; }    // arc-minutes of RA
  int32_t DecStep() const { return decStep_; }  // arc-minutes
  int32_t HourCircleCount() const { return static_cast<int32_t>(hourCircles_.size()); }
  int32_t DeclinationCircleCount() const { return static_cast<int32_t>(decCircles_.size()); }

 private:
  struct TLineValue {
    uint8_t type;  // 1 hour circle, 2 declination circle
    int32_t arcmin;
  };
  void ChooseSteps();
  void ResizeLines();
  void FreeLines();
  void CalculateLines(const kit::TVisibleObjectReport& report);
  const TGridLine* Line(int32_t index) const;
  // The line's kind and position while that kind is shown.
  std::optional<TLineValue> ShownValue(int32_t index) const;

  TGridParams params_;
  int32_t raStep_ = 900;
  int32_t decStep_ = 600;
  int32_t samplingStep_ = 0;
  std::vector<TGridLine> hourCircles_;
  std::vector<TGridLine> decCircles_;
};

}  // namespace velarion::catalogues

#endif
