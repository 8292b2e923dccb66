// What the sky's right-click menu and the selected-objects menu offer: one entry per
// selected object that the program knows something of, the last selected first, captioned
// by its name (or its group's), and which submenus are open to the user.
#ifndef VELARION_APP_UI_SKYPOPUPMENU_H
#define VELARION_APP_UI_SKYPOPUPMENU_H

#include "BoundaryRecords.h"
#include "SkyImage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velarion::ui {

// The common record of a selected object, none when nothing is known of it.
using TCommonRecordOf =
    std::function<std::optional<kit::TCommonObject>(const sky::TSelectedObject&)>;

struct TMenuObject {
  sky::TSelectedObject object;
  std::string caption;  // marked-up CP1251
  bool hasPosition;     // a place of date or a catalogue place: it has a path
};

// "Вега", the group's name for a group of one object, else "Объект группы "…"".
std::string MenuCaption(const kit::TCommonObject& record, groups::TSkyObjectGroup& group);

// The entries, the last selected first; objects nothing is known of are left out.
std::vector<TMenuObject> MenuObjects(std::span<const sky::TSelectedObject> selection,
                                     const TCommonRecordOf& recordOf);

// Which of the sky menu's submenus the user may open.
struct TSkyMenuStates {
  bool information = false;
  bool search = false;
  bool paths = false;
  bool currentEphemerides = false;
  bool intervalEphemerides = false;
  bool operator==(const TSkyMenuStates&) const = default;
};
TSkyMenuStates SkyMenuStates(std::span<const TMenuObject> objects, bool searchEnabled,
                             bool autoRotation);

// The selected-objects menu of the ephemeris and paths windows: the objects `accept` takes
// (all when it is empty), then "all of them". Until the user chooses, all count as chosen.
class TSelectedObjectsChoice {
 public:
  using TFilter = std::function<bool(const TMenuObject&)>;
  void Build(std::span<const sky::TSelectedObject> selection, const TCommonRecordOf& recordOf,
             const TFilter& accept = {});
  const std::vector<TMenuObject>& Objects() const { return objects_; }
  void ChooseAll() { chosenIndex_ = -1, chosenCount_ = static_cast<int32_t>(objects_.size()); }
  void Choose(int32_t index) { chosenIndex_ = index, chosenCount_ = 1; }
  void ChooseNothing() { chosenIndex_ = -1, chosenCount_ = 0; }
  int32_t ChosenCount() const { return chosenCount_; }
  // The i-th chosen object, none past the chosen count.
  std::optional<sky::TSelectedObject> Chosen(int32_t i) const;

 private:
  std::vector<TMenuObject> objects_;
  int32_t chosenIndex_ = -1;
  int32_t chosenCount_ = 0;
};

}  // namespace velarion::ui

#endif
