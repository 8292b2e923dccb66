#include "SkyPopupMenu.h"

#include "Concat.h"
#include "Cp1251.h"

#include <algorithm>

namespace velarion::ui {

namespace {

constexpr int32_t kPositions =
    kit::kObjectPositionFixed | kit::kObjectPositionSolarSystem | kit::kObjectCataloguePosition;

}  // namespace

std::string MenuCaption(const kit::TCommonObject& record, groups::TSkyObjectGroup& group) {
  if ((record.flags & kit::kObjectName) != 0) return record.name;
  if (group.GetObjectCount() < 2) return group.Name;
  return velplatform::Concat({velplatform::Cp1251("Объект группы \""), group.Name, "\""});
}

std::vector<TMenuObject> MenuObjects(std::span<const sky::TSelectedObject> selection,
                                     const TCommonRecordOf& recordOf) {
  std::vector<TMenuObject> objects;
  for (auto s = selection.rbegin(); s != selection.rend(); ++s) {
    if (s->group == nullptr) continue;
    if (const std::optional<kit::TCommonObject> record = recordOf(*s)) {
      objects.push_back({*s, MenuCaption(*record, *s->group), (record->flags & kPositions) != 0});
    }
  }
  return objects;
}

TSkyMenuStates SkyMenuStates(std::span<const TMenuObject> objects, bool searchEnabled,
                             bool autoRotation) {
  const bool any = !objects.empty();
  const bool anyPath = std::any_of(objects.begin(), objects.end(),
                                   [](const TMenuObject& o) { return o.hasPosition; });
  // The tables and paths take the time out of the user's hands: not while it runs by itself.
  return {any, searchEnabled, anyPath && !autoRotation, any && !autoRotation, any && !autoRotation};
}

void TSelectedObjectsChoice::Build(std::span<const sky::TSelectedObject> selection,
                                   const TCommonRecordOf& recordOf, const TFilter& accept) {
  objects_.clear();
  for (TMenuObject& object : MenuObjects(selection, recordOf)) {
    if (!accept || accept(object)) objects_.push_back(std::move(object));
  }
  ChooseAll();
}

std::optional<sky::TSelectedObject> TSelectedObjectsChoice::Chosen(int32_t i) const {
  if (chosenCount_ == 1 && chosenIndex_ >= 0 && i == 0) {
    return objects_[static_cast<std::size_t>(chosenIndex_)].object;
  }
  if (chosenIndex_ < 0 && i >= 0 && i < chosenCount_) {
    return objects_[static_cast<std::size_t>(i)].object;
  }
  return std::nullopt;
}

}  // namespace velarion::ui
