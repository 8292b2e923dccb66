#include "StdGroup.h"

#include "ZStrings.h"

#include <utility>

namespace velarion::groups {

TStdGroup::TStdGroup(kit::TObjectGroup& group) : group_(group) { TakeIdentity(GetGroupInfo()); }

TStdGroup::TStdGroup(kit::TGroupPtr group) : owned_(std::move(group)), group_(*owned_) {
  TakeIdentity(GetGroupInfo());
}

int32_t TStdGroup::GetObjectCount() { return group_.GetObjectCount(); }

std::string TStdGroup::GetSearchCaption() { return group_.SearchCaption; }

std::string TStdGroup::GetActionCaption() { return group_.ActionCaption; }

TGroupInfo TStdGroup::GetGroupInfo() {
  TGroupInfo info = group_.Info();
  info.resourcesReady = ResourcesReady;
  return info;
}

bool TStdGroup::InitResources(TWindowHandle owner) {
  if (group_.ResourcesReady) return true;
  const bool ready = group_.InitResources(owner);
  if (ready) group_.ResourcesReady = ResourcesReady = true;
  return ready;
}

void TStdGroup::FreeResources(TWindowHandle) {
  if (!group_.ResourcesReady) return;
  group_.FreeResources();
  group_.ResourcesReady = ResourcesReady = false;
}

void TStdGroup::RefreshParam(std::span<const std::byte> recordAndColourTable) {
  group_.View = kit::ReadRefreshParam(recordAndColourTable);
  group_.RefreshParam();
}

void TStdGroup::CalculateObjects(uint8_t viewMode, const TObjectRect& r,
                                 const TRaDecWindow& window) {
  group_.ViewMode = viewMode;
  group_.ViewRect = {r.left, r.right, r.top, r.bottom};
  group_.RaDecWindow = window;
  RunList.Clear();
  group_.CalculateObjects([this](int32_t number) { RunList.AddNumber(number); });
}

void TStdGroup::StoreDrawing(TDeviceHandle device, const TObjectRect& r) {
  group_.DrawDevice = device;
  group_.ViewRect = {r.left, r.right, r.top, r.bottom};
}

void TStdGroup::DrawObjects(TDeviceHandle device, const TObjectRect& viewRect) {
  StoreDrawing(device, viewRect);
  TObjectRangeWalk walk(RunList);
  group_.DrawObjects([&walk] { return walk.Next(); });
}

void TStdGroup::DrawObject(int32_t number, TDeviceHandle device, const TObjectRect& viewRect) {
  StoreDrawing(device, viewRect);
  bool given = false;
  group_.DrawObjects([&] { return std::exchange(given, true) ? -1 : number; });
}

bool TStdGroup::GetObjectRect(int32_t number, TObjectRect& rect) {
  return group_.GetObjectRect(number, rect);
}

bool TStdGroup::GetObjectRaDec(int32_t number, double& ra, double& dec) {
  return group_.GetObjectRaDec(number, ra, dec);
}

bool TStdGroup::GetObjectXY(int32_t number, int32_t& x, int32_t& y) {
  return group_.GetObjectXY(number, x, y);
}

int32_t TStdGroup::GetObjectData(int32_t number, std::span<std::byte> buffer) {
  return group_.GetObjectData(number, buffer);
}

bool TStdGroup::GetFObjectData(int32_t number, std::span<std::byte> buffer) {
  kit::TCommonObject object;
  if (buffer.size() < kit::common_object::kRecordSize || !group_.GetFObjectData(number, object)) {
    return false;
  }
  kit::WriteCommonObject(object, buffer);
  kit::WriteCommonObjectMagic(buffer);
  return true;
}

TTextList TStdGroup::GetObjectStrings(int32_t number) {
  kit::TZStrings lines;
  group_.GetObjectStrings(number, lines);
  return {lines.Count(), lines.Text()};
}

std::string TStdGroup::GetObjectName(int32_t number) { return group_.GetObjectName(number); }

TTextList TStdGroup::GetInfoItems() {
  const kit::TZStrings& items = group_.InfoItems;
  return {items.Count(), items.Count() > 0 ? items.Text() : std::string()};
}

bool TStdGroup::AdvancedInfo(TWindowHandle owner, int32_t number, int32_t command) {
  return group_.AdvancedInfo(owner, number, command);
}

bool TStdGroup::SelectObjectForSearch(TWindowHandle owner, TSearchHit& hit) {
  const int32_t number = group_.SelectObjectForSearch(owner);
  if (number == -1) return false;
  if (!group_.SearchGroupCode.empty()) {
    hit = {group_.SearchGroupCode, group_.SearchRa, group_.SearchDec, number};
    return true;
  }
  double ra = 0.0;
  double dec = 0.0;
  if (!group_.GetObjectRaDec(number, ra, dec)) return false;
  hit = {group_.Code, ra, dec, number};
  return true;
}

bool TStdGroup::EditOptions(TWindowHandle owner) { return group_.EditOptions(owner); }

bool TStdGroup::AdvancedAction(TWindowHandle owner) { return group_.AdvancedAction(owner); }

}  // namespace velarion::groups
