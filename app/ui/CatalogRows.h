// The group list window's working copy: one row per group of the main list in drawing
// order, with its quick- and detailed-view switches. The list itself changes only when
// the copy is applied ("В&ерно"); a cancelled window leaves it as it was.
#ifndef VELARION_APP_UI_CATALOGROWS_H
#define VELARION_APP_UI_CATALOGROWS_H

#include "SkyObj.h"

#include <cstdint>
#include <vector>

namespace velarion::ui {

struct TCatalogRow {
  groups::TSkyObjectGroup* group = nullptr;
  bool quick = false;     // shown in the quick view; never on where the group cannot be
  bool detailed = false;  // likewise for the detailed view
  bool OffersQuick() const { return group->ShowInQuickView; }
  bool OffersDetailed() const { return group->ShowInDetailedView; }
};

class TCatalogRows {
 public:
  explicit TCatalogRows(const groups::TGroupList& list);

  const std::vector<TCatalogRow>& Rows() const { return rows_; }

  // A click on a view's check picture; nothing for a view the group does not offer.
  void ToggleQuick(int32_t row);
  void ToggleDetailed(int32_t row);
  // Space: the one view a group offers switches; with both, (quick, detailed) steps
  // off/off → off/on → on/off → on/on → off/off.
  void StepViews(int32_t row);

  // The row moved to `to` (the rows between shift by one); its new index. Out-of-range
  // rows stay where they are.
  int32_t Move(int32_t from, int32_t to);
  int32_t MoveUp(int32_t row) { return Move(row, row - 1); }
  int32_t MoveDown(int32_t row) { return Move(row, row + 1); }

  // The list takes the rows' order and switches.
  void Apply(groups::TGroupList& list) const;

 private:
  bool Valid(int32_t row) const { return row >= 0 && row < static_cast<int32_t>(rows_.size()); }

  std::vector<TCatalogRow> rows_;
};

}  // namespace velarion::ui

#endif
