// TPluginVer20: a plug-in library of interface version 2.0 as a group of the program.
#ifndef VELARION_APP_GROUPS_PLUGINVER20_H
#define VELARION_APP_GROUPS_PLUGINVER20_H

#include "PluginInterface.h"
#include "SharedLibrary.h"
#include "SkyObjectGroup.h"

#include <memory>

namespace velarion::groups {

class TPluginVer20 : public TSkyObjectGroup {
 public:
  // Binds the eleven exports and reads the group's identity; none when the library lacks
  // an export.
  static std::unique_ptr<TPluginVer20> Bind(std::unique_ptr<velplatform::TSharedLibrary> library);
  ~TPluginVer20() override;

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
  TPluginVer20(std::unique_ptr<velplatform::TSharedLibrary> library,
               const kit::TPluginExports20& e);
  std::string Caption(int32_t kind);

  std::unique_ptr<velplatform::TSharedLibrary> library_;
  kit::TPluginExports20 exports_;
};

}  // namespace velarion::groups

#endif
