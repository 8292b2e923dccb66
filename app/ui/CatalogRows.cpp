#include "CatalogRows.h"

#include <algorithm>

namespace velarion::ui {

TCatalogRows::TCatalogRows(const groups::TGroupList& list) {
  for (int32_t i = 0; i < list.Count(); ++i) {
    const groups::TGroupListElement& element = list.Element(i);
    if (element.Group() == nullptr) continue;
    rows_.push_back(
        {element.Group(), element.VisibleInQuickView(), element.VisibleInDetailedView()});
  }
}

void TCatalogRows::ToggleQuick(int32_t row) {
  if (Valid(row) && rows_[row].OffersQuick()) rows_[row].quick = !rows_[row].quick;
}

void TCatalogRows::ToggleDetailed(int32_t row) {
  if (Valid(row) && rows_[row].OffersDetailed()) rows_[row].detailed = !rows_[row].detailed;
}

void TCatalogRows::StepViews(int32_t row) {
  if (!Valid(row)) return;
  TCatalogRow& r = rows_[row];
  if (r.OffersQuick() && r.OffersDetailed()) {
    const int32_t next = (2 * r.quick + r.detailed + 1) % 4;
    r.quick = (next & 2) != 0;
    r.detailed = (next & 1) != 0;
  } else if (r.OffersQuick()) {
    r.quick = !r.quick;
  } else if (r.OffersDetailed()) {
    r.detailed = !r.detailed;
  }
}

int32_t TCatalogRows::Move(int32_t from, int32_t to) {
  if (!Valid(from)) return from;
  to = std::clamp(to, 0, static_cast<int32_t>(rows_.size()) - 1);
  const TCatalogRow moved = rows_[from];
  rows_.erase(rows_.begin() + from);
  rows_.insert(rows_.begin() + to, moved);
  return to;
}

void TCatalogRows::Apply(groups::TGroupList& list) const {
  // Elements keep their places in the list; exchanging them brings each group to its row.
  for (int32_t i = 0; i < static_cast<int32_t>(rows_.size()) && i < list.Count(); ++i) {
    for (int32_t j = i; j < list.Count(); ++j) {
      if (list.Element(j).Group() != rows_[i].group) continue;
      if (j != i) list.Exchange(i, j);
      list.Element(i).SetVisibleInQuickView(rows_[i].quick);
      list.Element(i).SetVisibleInDetailedView(rows_[i].detailed);
      break;
    }
  }
}

}  // namespace velarion::ui
