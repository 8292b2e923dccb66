// TPluginVer10: a plug-in library of the older interface version 1.0 as a group of the
// program. It reports visible objects as runs and is drawn either all at once (quick view)
// or object by object (detailed view).
#ifndef VELARION_APP_GROUPS_PLUGINVER10_H
#define VELARION_APP_GROUPS_PLUGINVER10_H

#include "PluginInterface.h"
#include "SharedLibrary.h"
#include "SkyObjectGroup.h"

#include <memory>

namespace velarion::groups {

class TPluginVer10 : public TSkyObjectGroup {
 public:
  // Binds the seventeen exports (GetObjectRect may be missing) and reads the identity;
  // none when the library lacks another export.
  static std::unique_ptr<TPluginVer10> Bind(std::unique_ptr<velplatform::TSharedLibrary> library);
  ~TPluginVer10() override;

  int32_t GetObjectCount() override;
  std::string GetSearchCaption() override;
  std::string GetActionCaption() override;
  TGroupInfo GetGroupInfo() override;
  bool InitResources(TWindowHandle owner) override;
  void FreeResources(TWindowHandle owner) override;
  void CalculateObjects(uint8_t viewMode, const TObjectRect& viewRect,
                        const TRaDecWindow& window) override;
  void DrawObjects(TDeviceHandle device, const TObjectRect& viewRect) override;
  void DrawObject(int32_t number, TDeviceHandle device, const TObjectRect& viewRect) override;
  bool GetObjectRect(int32_t number, TObjectRect& rect) override;
  bool GetObjectRaDec(int32_t number, double& ra, double& dec) override;
  bool GetObjectXY(int32_t number, int32_t& x, int32_t& y) override;
  int32_t GetObjectData(int32_t number, std::span<std::byte> buffer) override;
  TTextList GetObjectStrings(int32_t number) override;
  std::string GetObjectName(int32_t number) override;
  TTextList GetInfoItems() override;
  bool AdvancedInfo(TWindowHandle owner, int32_t number, int32_t command) override;
  bool SelectObjectForSearch(TWindowHandle owner, TSearchHit& hit) override;
  bool EditOptions(TWindowHandle owner) override;
  bool AdvancedAction(TWindowHandle owner) override;

 private:
  TPluginVer10(std::unique_ptr<velplatform::TSharedLibrary> library,
               const kit::TPluginExports10& e);
  std::string Caption(bool (*call)(int32_t, void*, int32_t), bool offered);

  std::unique_ptr<velplatform::TSharedLibrary> library_;
  kit::TPluginExports10 exports_;
  uint8_t lastViewMode_ = 0;  // decides how the next drawing is done
};

}  // namespace velarion::groups

#endif
