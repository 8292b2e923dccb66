// TStars, the built-in group "BSC5P" of the naked-eye stars from "stars.dat": moved by
// their proper motion to the moment of the view, drawn as symbols sized by magnitude and
// coloured by colour index, the brighter ones labelled, each described for the
// information window, the search and the other groups.
#ifndef VELARION_APP_CATALOGUES_STARS_STARS_H
#define VELARION_APP_CATALOGUES_STARS_STARS_H

#include "DrawDevice.h"
#include "ObjectGroup.h"
#include "StarFile.h"

#include <optional>
#include <string>
#include <vector>

namespace velarion::catalogues {

class TProperNameTable;

class TStars final : public kit::TObjectGroup {
 public:
  explicit TStars(std::string programFolder) : programFolder_(std::move(programFolder)) {}

  void Init() override;
  bool InitResources(kit::TWindowHandle owner) override;
  void FreeResources() override;
  void RefreshParam() override;
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
  bool EditOptions(kit::TWindowHandle owner) override;

  bool ColoursEnabled() const { return coloursEnabled_; }
  // Hundredths of a Julian year since J2000.0 of the view's moment.
  int32_t TimeArgument() const { return timeArgument_; }

 private:
  // Per star: the first 16 bytes of its record and what the last calculation found.
  struct TStarEntry {
    uint16_t hr = 0;
    int32_t raArcsec = 0;
    int32_t decArcsec = 0;
    int16_t pmRa = 0;
    int16_t pmDec = 0;
    int16_t magnitude = 0;
    velplatform::TColor colour = 0;
    std::string label;  // built on first need, empty until then
    bool visible = false;
    kit::TObjectRect rect;
    int32_t symbolX = 0;
    int32_t symbolY = 0;
    int32_t symbolSize = 0;
  };

  std::size_t FirstWithinLimit() const;
  std::optional<velplatform::TPoint> QuickPosition(const TStarEntry& star) const;
  void LayOut(std::size_t index, velplatform::TPoint at,
              std::optional<TProperNameTable>& properNames);
  const std::string& Label(std::size_t index, std::optional<TProperNameTable>& properNames);
  void DrawStar(const TStarEntry& star, int32_t bitDepth);
  TStarEntry* Entry(int32_t index);
  void LowPrecisionPlace(const TStarEntry& star, int32_t& raArcsec, int32_t& decArcsec) const;
  void HighPrecisionPlace(const TStarEntry& star, double& raDeg, double& decDeg) const;

  std::string programFolder_;
  std::optional<TStarFile> file_;
  std::vector<TStarEntry> stars_;
  bool coloursEnabled_ = false;
  bool lastProperNames_ = false;
  int32_t timeArgument_ = 0;
};

// The group, identity set; its data are read by InitResources from `programFolder`
// (ending with "/").
kit::TGroupPtr MakeStarsGroup(const std::string& programFolder);

}  // namespace velarion::catalogues

#endif
