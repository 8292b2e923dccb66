// The ordered group list: elements holding the program's groups with the user's choice of
// showing each in the quick and the detailed view; the list order is the drawing order
// and is kept in the settings file.
#ifndef VELARION_APP_GROUPS_SKYOBJ_H
#define VELARION_APP_GROUPS_SKYOBJ_H

#include "SkyObjectGroup.h"
#include "tContain.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace velarion::groups {

class TGroupListElement : public TStreamable {
 public:
  explicit TGroupListElement(bool ownsGroup) : ownsGroup_(ownsGroup) {}
  std::string_view ClassName() const override { return "TGroupListElement"; }

  TSkyObjectGroup* Group() const { return group_; }
  // An owning element keeps the group and destroys it with itself; a lending one only
  // refers to it. Setting the group applies the visibility wishes again.
  void SetGroup(std::unique_ptr<TSkyObjectGroup> group);
  void SetGroup(TSkyObjectGroup& lent);
  bool OwnsGroup() const { return ownsGroup_; }

  // The wish is kept only as far as the group can be shown in that view; nothing is kept
  // while the element has no group.
  void SetVisibleInQuickView(bool visible);
  void SetVisibleInDetailedView(bool visible);
  bool VisibleInQuickView() const { return visibleInQuickView_; }
  bool VisibleInDetailedView() const { return visibleInDetailedView_; }
  // Visible in view mode 0 (quick) or 1 (detailed).
  bool VisibleInMode(uint8_t viewMode) const;

 private:
  void ApplyVisibility();

  std::unique_ptr<TSkyObjectGroup> owned_;
  TSkyObjectGroup* group_ = nullptr;
  bool visibleInQuickView_ = false;
  bool visibleInDetailedView_ = false;
  bool wantQuick_ = false;
  bool wantDetailed_ = false;
  bool ownsGroup_;
};

class TGroupList : public TObjectList {
 public:
  static constexpr int32_t kInitialCapacity = 100;

  TGroupList() : TObjectList(true, kInitialCapacity) {}
  ~TGroupList() override { FreeAll(); }
  std::string_view ClassName() const override { return "TGroupList"; }

  // A new element, hidden in both views, appended; the caller then sets its group.
  TGroupListElement& AddNewGroup(bool ownsGroup);
  TGroupListElement& Element(int32_t index) const;

  // By group code, compared exactly.
  TGroupListElement* FindElement(std::string_view code) const;
  TSkyObjectGroup* FindGroup(std::string_view code) const;
  TGroupListElement* FindElementOf(const TSkyObjectGroup* group) const;
  void Exchange(int32_t a, int32_t b);

  // Section "GroupOrder": per element, key = code, value "position,quick,detailed".
  bool SaveOrderToIniFile(const std::string& file) const;
  // Brings the listed groups to the front in the saved order with their saved visibility;
  // the rest keep their flags and stay behind. The number of groups placed.
  int32_t RestoreOrderFromIniFile(const std::string& file);
};

// One element's part in a redraw. `capabilityOnly` calculates a group the view could show
// even when the user hid it (a calculation on demand).
void CalculateElement(TGroupListElement& element, uint8_t viewMode, const TObjectRect& visibleRect,
                      bool capabilityOnly, std::span<const std::byte> refreshRecord);
void DrawElement(TGroupListElement& element, uint8_t viewMode, TDeviceHandle device,
                 const TObjectRect& visibleRect);

}  // namespace velarion::groups

#endif
