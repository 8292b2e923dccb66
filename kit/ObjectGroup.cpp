#include "ObjectGroup.h"

#include <algorithm>

namespace velarion::kit {

bool TObjectGroup::InitResources(TWindowHandle) {
  ResourcesReady = true;
  return true;
}

void TObjectGroup::FreeResources() { ResourcesReady = false; }

int32_t TObjectGroup::GetObjectCount() { return ObjectCount; }

void TObjectGroup::CalculateObjects(const TVisibleObjectReport&) {}

void TObjectGroup::DrawObjects(const TNextObject&) {}

bool TObjectGroup::GetObjectRect(int32_t, TObjectRect&) { return false; }

bool TObjectGroup::GetObjectRaDec(int32_t, double&, double&) { return false; }

bool TObjectGroup::GetObjectXY(int32_t, int32_t&, int32_t&) { return false; }

int32_t TObjectGroup::GetObjectData(int32_t, std::span<std::byte>) { return 0; }

bool TObjectGroup::GetFObjectData(int32_t, TCommonObject&) { return false; }

void TObjectGroup::GetObjectStrings(int32_t, TZStrings&) {}

std::string TObjectGroup::GetObjectName(int32_t) { return {}; }

bool TObjectGroup::AdvancedInfo(TWindowHandle, int32_t, int32_t) { return false; }

int32_t TObjectGroup::SelectObjectForSearch(TWindowHandle) { return -1; }

bool TObjectGroup::EditOptions(TWindowHandle) { return false; }

bool TObjectGroup::AdvancedAction(TWindowHandle) { return false; }

bool TObjectGroup::IsValidIndex(int32_t index) { return index >= 1 && index <= GetObjectCount(); }

bool TObjectGroup::IsPointInView(int32_t x, int32_t y) const {
  return x >= ViewRect.left && x <= ViewRect.right && y >= ViewRect.top && y <= ViewRect.bottom;
}

bool TObjectGroup::IsRectInView(const TObjectRect& r) const {
  return !(r.left > ViewRect.right || r.right < ViewRect.left || r.top > ViewRect.bottom ||
           r.bottom < ViewRect.top);
}

bool TObjectGroup::IsRaDecInView(double ra, double dec) const {
  const TRaDecWindow& w = RaDecWindow;
  if (dec < w.decMin || dec > w.decMax) return false;
  return (ra >= w.raMin && ra <= w.raMax) ||
         (w.raMax > 360.0 && ra + 360.0 >= w.raMin && ra + 360.0 <= w.raMax);
}

bool TObjectGroup::IsRaDecRectInView(double raLow, double decLow, double raHigh,
                                     double decHigh) const {
  const TRaDecWindow& w = RaDecWindow;
  if (decLow > w.decMax || decHigh < w.decMin) return false;
  if (w.raMax > 360.0 && w.raMax - 360.0 > raLow) {
    raLow += 360.0;
    raHigh += 360.0;
  }
  return raLow <= w.raMax && raHigh >= w.raMin;
}

int32_t SymbolSizeFor(int32_t magnitude100, int32_t limit100, int32_t sizes) {
  const auto limit = static_cast<int32_t>(static_cast<uint32_t>(limit100) + 150U);
  if (limit <= 0) return 1;
  const int64_t n = sizes;
  const int64_t s = n - ((int64_t{magnitude100} + 150) * (n - 1) + limit / 2) / limit;
  return static_cast<int32_t>(std::clamp<int64_t>(s, 1, std::max<int64_t>(n, 1)));
}

int32_t TObjectGroup::SymbolSizeForMagnitude(int32_t magnitude) const {
  return SymbolSizeFor(magnitude, View.magnitudeLimitObjects, View.symbolSizes);
}

TGroupInfo TObjectGroup::Info() {
  uint16_t flags = 0;
  flags |= HasOptions ? kFlagHasOptions : 0;
  flags |= InfoItems.Count() > 0 ? kFlagHasInfoItems : 0;
  flags |= Selectable ? kFlagSelectable : 0;
  flags |= !SearchCaption.empty() ? kFlagHasSearch : 0;
  flags |= ShowInQuickView ? kFlagShowInQuickView : 0;
  flags |= ShowInDetailedView ? kFlagShowInDetailedView : 0;
  flags |= !ActionCaption.empty() ? kFlagHasAction : 0;
  return {Code, Name, Version, GetObjectCount(), EpochKind, Epoch, flags, ResourcesReady};
}

void TGroupDeleter::operator()(TObjectGroup* group) const {
  if (group == nullptr) return;
  if (group->ResourcesReady) group->FreeResources();
  delete group;
}

}  // namespace velarion::kit
