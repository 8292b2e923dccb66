// TConNames, the group "CNAME": the constellation names drawn on the map at their label
// positions, and the names and abbreviations every other group asks for (45-byte record).
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_CONNAMES_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_CONNAMES_H

#include "ConNamesOptions.h"
#include "ConstellationNamesFile.h"
#include "ObjectGroup.h"

#include <array>
#include <cstdint>
#include <string>

namespace velarion::catalogues {

class TConNames final : public kit::TObjectGroup {
 public:
  static constexpr int32_t kConstellations = 89;

  // `programFolder` ends with "/"; "CONSTELL.DAT" is looked for there.
  explicit TConNames(std::string programFolder) : programFolder_(std::move(programFolder)) {}

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
  int32_t SelectObjectForSearch(kit::TWindowHandle owner) override;
  bool EditOptions(kit::TWindowHandle owner) override;

  TNameType NameType() const { return nameType_; }
  // The nominative (form 1) or genitive (form 2) name in the current name type.
  std::string FormName(int32_t index, int form) const;

 private:
  struct TLabel {
    bool visible = false;
    kit::TObjectRect rect;
  };
  const TConstellationNames& Names(int32_t index) const { return names_[index - 1]; }
  bool ProjectLabel(int32_t index, TLabel& label) const;
  std::string FullName(int32_t index) const;

  std::string programFolder_;
  std::array<TConstellationNames, kConstellations> names_{};
  std::array<TLabel, kConstellations> labels_{};
  TNameType nameType_ = TNameType::kRussian;
};

kit::TGroupPtr MakeConstellationNamesGroup(const std::string& programFolder);

}  // namespace velarion::catalogues

#endif
