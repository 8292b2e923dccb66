#include "DeepFindForm.h"

#include "Cp1251.h"
#include "DeepSkyTexts.h"

#include <algorithm>

namespace velarion::catalogues {

namespace {

using velplatform::Cp1251;
using velplatform::TControlKind;

constexpr std::array<int32_t, 4> kHeaders = {TDeepFindForm::kMessierHeader,
                                             TDeepFindForm::kNgcHeader,
                                             TDeepFindForm::kTypeHeader,
                                             TDeepFindForm::kNameHeader};

const std::array<std::string, 4>& HeaderTexts() {
  static const std::array<std::string, 4> texts = {"M", "NGC", Cp1251("Тип"),
                                                   Cp1251("Собств. имя")};
  return texts;
}

std::string NumberText(int16_t n) { return n != 0 ? std::to_string(n) : std::string(); }

std::array<std::string, 4> Cells(const TDSObject& row) {
  return {NumberText(row.messier), NumberText(row.ngc), ShortTypeName(row.type), row.name};
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
  const std::string fill(width > text.size() ? width - text.size() : 0, ' ');
  return right ? fill + text : text + fill;
}

}  // namespace

TDeepFindForm::TDeepFindForm(const TDeepSkyFile& file) {
  for (std::size_t i = 0; i < HeaderTexts().size(); ++i) widths_[i] = HeaderTexts()[i].size();
  for (std::size_t i = 0; i < file.Count(); ++i) {
    const auto record = file.Record(i);
    if (!record) continue;
    const bool cloud = CloudOf(*record) != TMagellanicCloud::kNone;
    AddRow(TDSObject(record->messier, record->ngc, cloud ? KindName(*record) : record->name,
                     record->type, static_cast<int32_t>(i) + 1));
  }
  SortRows(rows_, sortedBy_);
}

void TDeepFindForm::AddRow(TDSObject row) {
  const std::array<std::string, 4> cells = Cells(row);
  for (std::size_t i = 0; i < cells.size(); ++i) widths_[i] = std::max(widths_[i], cells[i].size());
  rows_.Add(std::make_unique<TDSObject>(std::move(row)));
}

velplatform::TDialogLayout TDeepFindForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Поиск галактики, туманности, звездного скопления");
  layout.width = 320;
  layout.height = 220;
  const std::array<int32_t, 4> x = {4, 34, 74, 134};
  const std::array<int32_t, 4> w = {30, 40, 60, 182};
  for (std::size_t i = 0; i < kHeaders.size(); ++i) {
    layout.controls.push_back({kHeaders[i], TControlKind::kButton, {x[i], 4, w[i], 12},
                               HeaderTexts()[i]});
  }
  layout.controls.push_back({kList, TControlKind::kList, {4, 16, 312, 180}, ""});
  layout.controls.push_back({1, TControlKind::kOkButton, {190, 200, 60, 14}, Cp1251("&Найти")});
  layout.controls.push_back(
      {2, TControlKind::kCancelButton, {256, 200, 60, 14}, Cp1251("&Отмена")});
  return layout;
}

std::string TDeepFindForm::RowText(const TDSObject& row) const {
  const std::array<std::string, 4> cells = Cells(row);
  return Padded(cells[0], widths_[0], true) + "  " + Padded(cells[1], widths_[1], true) + "  " +
         Padded(cells[2], widths_[2], false) + "  " + cells[3];
}

void TDeepFindForm::FillList(velplatform::TDialogControls& controls) const {
  controls.ClearItems(kList);
  for (int32_t i = 0; i < rows_.Count(); ++i) {
    controls.AddItem(kList, RowText(static_cast<const TDSObject&>(*rows_.Items(i))));
  }
  if (rows_.Count() > 0) controls.Select(kList, 0);
}

void TDeepFindForm::MarkHeaders(velplatform::TDialogControls& controls) const {
  for (std::size_t i = 0; i < kHeaders.size(); ++i) {
    const bool sorted = static_cast<std::size_t>(sortedBy_) == i;
    controls.SetText(kHeaders[i], (sorted ? kSortedMark : "") + HeaderTexts()[i]);
  }
}

void TDeepFindForm::Init(velplatform::TDialogControls& controls) {
  controls.SetSorted(kList, false);
  MarkHeaders(controls);
  FillList(controls);
}

bool TDeepFindForm::Command(velplatform::TDialogControls& controls, int32_t id) {
  const auto header = std::find(kHeaders.begin(), kHeaders.end(), id);
  if (header == kHeaders.end()) return false;
  const auto column = static_cast<TDeepFindColumn>(header - kHeaders.begin());
  if (column == sortedBy_) return false;
  sortedBy_ = column;
  SortRows(rows_, sortedBy_);
  MarkHeaders(controls);
  FillList(controls);
  return false;
}

bool TDeepFindForm::DoubleClicked(velplatform::TDialogControls& controls, int32_t id) {
  return id == kList && Accept(controls);
}

bool TDeepFindForm::Accept(velplatform::TDialogControls& controls) {
  const int32_t selected = controls.Selected(kList);
  if (selected < 0 || selected >= rows_.Count()) return false;
  chosen_ = static_cast<const TDSObject&>(*rows_.Items(selected)).number;
  return true;
}

}  // namespace velarion::catalogues
