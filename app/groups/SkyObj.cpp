#include "SkyObj.h"

#include "IniFile.h"
#include "ProjectionExports.h"
#include "ValueFormat.h"

#include <cmath>
#include <vector>

namespace velarion::groups {

namespace {

constexpr char kOrderSection[] = "GroupOrder";
constexpr char kDefaultOrderValue[] = "1000,0,0";
constexpr std::size_t kMaxKeyNamesBytes = 6000;  // names with their zero bytes
constexpr std::size_t kMaxOrderValueLength = 255;

struct TOrderEntry {
  std::string code;
  int32_t position;
  bool quick;
  bool detailed;
};

std::vector<TOrderEntry> ReadOrderEntries(const std::string& file) {
  const velplatform::TIniDocument doc = velplatform::TIniFile(file).Load();
  std::vector<TOrderEntry> entries;
  std::size_t namesBytes = 0;
  for (const std::string& key : doc.Keys(kOrderSection)) {
    namesBytes += key.size() + 1;
    if (namesBytes > kMaxKeyNamesBytes) break;
    std::string value = doc.Get(kOrderSection, key).value_or(kDefaultOrderValue);
    if (value.size() > kMaxOrderValueLength) value.resize(kMaxOrderValueLength);
    entries.push_back({key, sky::ListItemInt(value, 1), sky::ListItemInt(value, 2) != 0,
                       sky::ListItemInt(value, 3) != 0});
  }
  return entries;
}

// For each place the first entry with the strictly smallest position among the rest.
void SelectionSort(std::vector<TOrderEntry>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::size_t smallest = i;
    for (std::size_t k = i + 1; k < entries.size(); ++k) {
      if (entries[k].position < entries[smallest].position) smallest = k;
    }
    if (smallest != i) std::swap(entries[i], entries[smallest]);
  }
}

}  // namespace

void TGroupListElement::SetGroup(std::unique_ptr<TSkyObjectGroup> group) {
  owned_ = std::move(group);
  group_ = owned_.get();
  ApplyVisibility();
}

void TGroupListElement::SetGroup(TSkyObjectGroup& lent) {
  owned_.reset();
  group_ = &lent;
  ApplyVisibility();
}

void TGroupListElement::SetVisibleInQuickView(bool visible) {
  if (group_ == nullptr) return;
  wantQuick_ = visible;
  visibleInQuickView_ = visible && group_->ShowInQuickView;
}

void TGroupListElement::SetVisibleInDetailedView(bool visible) {
  if (group_ == nullptr) return;
  wantDetailed_ = visible;
  visibleInDetailedView_ = visible && group_->ShowInDetailedView;
}

void TGroupListElement::ApplyVisibility() {
  SetVisibleInQuickView(wantQuick_);
  SetVisibleInDetailedView(wantDetailed_);
}

bool TGroupListElement::VisibleInMode(uint8_t viewMode) const {
  return (viewMode == 0 && visibleInQuickView_) || (viewMode == 1 && visibleInDetailedView_);
}

TGroupListElement& TGroupList::AddNewGroup(bool ownsGroup) {
  auto element = std::make_unique<TGroupListElement>(ownsGroup);
  TGroupListElement& added = *element;
  Add(TListItem(std::move(element)));
  return added;
}

TGroupListElement& TGroupList::Element(int32_t index) const {
  return static_cast<TGroupListElement&>(*Items(index));
}

TGroupListElement* TGroupList::FindElement(std::string_view code) const {
  for (int32_t i = 0; i < Count(); ++i) {
    TGroupListElement& e = Element(i);
    if (e.Group() != nullptr && e.Group()->Code == code) return &e;
  }
  return nullptr;
}

TSkyObjectGroup* TGroupList::FindGroup(std::string_view code) const {
  TGroupListElement* element = FindElement(code);
  return element != nullptr ? element->Group() : nullptr;
}

TGroupListElement* TGroupList::FindElementOf(const TSkyObjectGroup* group) const {
  for (int32_t i = 0; i < Count(); ++i) {
    if (Element(i).Group() == group) return &Element(i);
  }
  return nullptr;
}

void TGroupList::Exchange(int32_t a, int32_t b) {
  if (a == b) return;
  TListItem first = SetItem(a, TListItem());
  TListItem second = SetItem(b, std::move(first));
  SetItem(a, std::move(second));
}

bool TGroupList::SaveOrderToIniFile(const std::string& file) const {
  return velplatform::TIniFile(file).Update([this](velplatform::TIniDocument& doc) {
    for (int32_t i = 0; i < Count(); ++i) {
      const TGroupListElement& e = Element(i);
      if (e.Group() == nullptr) continue;
      doc.Set(kOrderSection, e.Group()->Code,
              std::to_string(i + 1) + (e.VisibleInQuickView() ? ",1" : ",0") +
                  (e.VisibleInDetailedView() ? ",1" : ",0"));
    }
  });
}

int32_t TGroupList::RestoreOrderFromIniFile(const std::string& file) {
  std::vector<TOrderEntry> entries = ReadOrderEntries(file);
  SelectionSort(entries);
  int32_t placed = 0;
  for (const TOrderEntry& entry : entries) {
    for (int32_t k = placed; k < Count(); ++k) {
      TGroupListElement& e = Element(k);
      if (e.Group() == nullptr || e.Group()->Code != entry.code) continue;
      Exchange(placed, k);
      Element(placed).SetVisibleInQuickView(entry.quick);
      Element(placed).SetVisibleInDetailedView(entry.detailed);
      ++placed;
      break;
    }
  }
  return placed;
}

void CalculateElement(TGroupListElement& element, uint8_t viewMode, const TObjectRect& visibleRect,
                      bool capabilityOnly, std::span<const std::byte> refreshRecord) {
  TSkyObjectGroup* group = element.Group();
  if (group == nullptr) return;
  group->RefreshParam(refreshRecord);
  const bool calculated = capabilityOnly ? ((viewMode == 0 && group->ShowInQuickView) ||
                                            (viewMode == 1 && group->ShowInDetailedView))
                                         : element.VisibleInMode(viewMode);
  if (!calculated) {
    group->RunList.Clear();
    return;
  }
  SetEpoch(group->Epoch, static_cast<uint16_t>(group->EpochKind));
  const kit::TViewParameters view = kit::ReadRefreshParam(refreshRecord);
  TObjectRect rect = visibleRect;
  TRaDecWindow window{};
  if (viewMode == 0) {
    const auto halfHeight = static_cast<int32_t>(std::nearbyint(view.radius * view.yScale));
    rect = {view.centreX - view.radius, view.centreY - halfHeight, view.centreX + view.radius,
            view.centreY + halfHeight};
    window = view.latitude > 0.0 ? TRaDecWindow{0.0, 360.0, view.latitude - 90.0, 90.0}
                                 : TRaDecWindow{0.0, 360.0, -90.0, view.latitude + 90.0};
  } else if (group->EpochKind != 0) {
    const sky::TRaDecRange range =
        sky::GetVisibleRaDecRange({rect.left, rect.top, rect.right, rect.bottom}, view.centreX,
                                  view.centreY, view.radius, view.yScale);
    window = {range.raMinDeg, range.raMaxDeg, range.decMinDeg, range.decMaxDeg};
  }
  group->CalculateObjects(viewMode, rect, window);
}

void DrawElement(TGroupListElement& element, uint8_t viewMode, TDeviceHandle device,
                 const TObjectRect& visibleRect) {
  if (element.Group() != nullptr && element.VisibleInMode(viewMode)) {
    element.Group()->DrawObjects(device, visibleRect);
  }
}

}  // namespace velarion::groups
