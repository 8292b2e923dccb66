// TSkyObjectGroup: the program's view of a group, whoever implements it: a built-in group
// through TStdGroup, a plug-in library through TPluginVer20 or TPluginVer10.
#ifndef VELARION_APP_GROUPS_SKYOBJECTGROUP_H
#define VELARION_APP_GROUPS_SKYOBJECTGROUP_H

#include "BoundaryRecords.h"
#include "ObjectGroup.h"
#include "ObjectRangeList.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velarion::groups {

using kit::TDeviceHandle;
using kit::TGroupInfo;
using kit::TObjectRect;
using kit::TRaDecWindow;
using kit::TWindowHandle;

// Zero-terminated texts and how many there are.
struct TTextList {
  int32_t count = 0;
  std::string text;
  // The first `count` texts, one string each (a missing end counts as the end of the text).
  std::vector<std::string> Entries() const;
};

struct TSearchHit {
  std::string code;  // of the group that holds the object
  double ra = 0.0;
  double dec = 0.0;
  int32_t number = -1;
};

class TSkyObjectGroup {
 public:
  virtual ~TSkyObjectGroup() = default;

  std::string Code;
  std::string Name;
  std::string Version;
  double Epoch = 0.0;
  int16_t EpochKind = 0;
  bool ResourcesReady = false;
  bool ShowInQuickView = false;
  bool ShowInDetailedView = false;
  bool Selectable = false;
  bool HasOptions = false;
  bool HasInfoItems = false;
  bool HasSearch = false;
  bool HasAction = false;
  TObjectRangeList RunList;

  virtual int32_t GetObjectCount() = 0;
  virtual std::string GetSearchCaption() = 0;
  virtual std::string GetActionCaption() = 0;
  virtual TGroupInfo GetGroupInfo() = 0;
  virtual bool InitResources(TWindowHandle owner) = 0;
  virtual void FreeResources(TWindowHandle owner) = 0;
  // `recordAndColourTable`: the 118-byte view record with its colour table after it.
  virtual void RefreshParam(std::span<const std::byte> /*recordAndColourTable*/) {}
  virtual void CalculateObjects(uint8_t viewMode, const TObjectRect& viewRect,
                                const TRaDecWindow& window) = 0;
  virtual void DrawObjects(TDeviceHandle device, const TObjectRect& viewRect) = 0;
  virtual void DrawObject(int32_t number, TDeviceHandle device, const TObjectRect& viewRect) = 0;
  virtual bool GetObjectRect(int32_t number, TObjectRect& rect) = 0;
  virtual bool GetObjectRaDec(int32_t number, double& ra, double& dec) = 0;
  virtual bool GetObjectXY(int32_t number, int32_t& x, int32_t& y) = 0;
  virtual int32_t GetObjectData(int32_t number, std::span<std::byte> buffer) = 0;
  // The 189-byte common object record, "VLOD" included; false when there is none or the
  // buffer cannot hold it.
  virtual bool GetFObjectData(int32_t /*number*/, std::span<std::byte> /*buffer*/) { return false; }
  virtual TTextList GetObjectStrings(int32_t number) = 0;
  virtual std::string GetObjectName(int32_t number) = 0;
  virtual TTextList GetInfoItems() = 0;
  virtual bool AdvancedInfo(TWindowHandle owner, int32_t number, int32_t command) = 0;
  virtual bool SelectObjectForSearch(TWindowHandle owner, TSearchHit& hit) = 0;
  virtual bool EditOptions(TWindowHandle owner) = 0;
  virtual bool AdvancedAction(TWindowHandle owner) = 0;

 protected:
  // The identity fields from the group information record.
  void TakeIdentity(const TGroupInfo& info);
};

}  // namespace velarion::groups

#endif
