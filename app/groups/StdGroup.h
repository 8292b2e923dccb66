// TStdGroup: a built-in group as the program sees every group.
#ifndef VELARION_APP_GROUPS_STDGROUP_H
#define VELARION_APP_GROUPS_STDGROUP_H

#include "SkyObjectGroup.h"

namespace velarion::groups {

class TStdGroup : public TSkyObjectGroup {
 public:
  // Built-in groups live as long as the program and are not owned by their wrapper.
  explicit TStdGroup(kit::TObjectGroup& group);
  // A wrapper that owns its group (tests, groups made on demand).
  explicit TStdGroup(kit::TGroupPtr group);

  kit::TObjectGroup& Group() { return group_; }

  int32_t GetObjectCount() override;
  std::string GetSearchCaption() override;
  std::string GetActionCaption() override;
  TGroupInfo GetGroupInfo() override;
  bool InitResources(TWindowHandle owner) override;
  void FreeResources(TWindowHandle owner) override;
  void RefreshParam(std::span<const std::byte> recordAndColourTable) override;
  void CalculateObjects(uint8_t viewMode, const TObjectRect& viewRect,
                        const TRaDecWindow& window) override;
  void DrawObjects(TDeviceHandle device, const TObjectRect& viewRect) override;
  void DrawObject(int32_t number, TDeviceHandle device, const TObjectRect& viewRect) override;
  bool GetObjectRect(int32_t number, TObjectRect& rect) override;
  bool GetObjectRaDec(int32_t number, double& ra, double& dec) override;
  bool GetObjectXY(int32_t number, int32_t& x, int32_t& y) override;
  int32_t GetObjectData(int32_t number, std::span<std::byte> buffer) override;
  bool GetFObjectData(int32_t number, std::span<std::byte> buffer) override;
  TTextList GetObjectStrings(int32_t number) override;
  std::string GetObjectName(int32_t number) override;
  TTextList GetInfoItems() override;
  bool AdvancedInfo(TWindowHandle owner, int32_t number, int32_t command) override;
  bool SelectObjectForSearch(TWindowHandle owner, TSearchHit& hit) override;
  bool EditOptions(TWindowHandle owner) override;
  bool AdvancedAction(TWindowHandle owner) override;

 private:
  void StoreDrawing(TDeviceHandle device, const TObjectRect& viewRect);

  kit::TGroupPtr owned_;
  kit::TObjectGroup& group_;
};

}  // namespace velarion::groups

#endif
