#include "DeepFindForm.h"

#include "Cp1251.h"
#include "DeepSkyTexts.h"
#include "FindForm.h"

#include <array>

namespace velarion::catalogues {

namespace {

using velplatform::Cp1251;
using velplatform::TColumnAlignment;
using velplatform::TControlKind;

std::array<velplatform::TTableColumn, 4> Columns() {
  return {{{"M", TColumnAlignment::kRight},
           {"NGC", TColumnAlignment::kRight},
           {Cp1251("Тип"), TColumnAlignment::kLeft},
           {Cp1251("Собств. имя"), TColumnAlignment::kLeft}}};
}

std::string NumberText(int16_t n) { return n != 0 ? std::to_string(n) : std::string(); }

std::array<std::string, 4> Cells(const TDSObject& row) {
  return {NumberText(row.messier), NumberText(row.ngc), ShortTypeName(row.type), row.name};
}

// As the name search windows match: both sides normalised, the row's text beginning with
// the typed one; a row answers to its name and to "M n" and "NGC n" when it has the number.
bool BeginsWith(const TDSObject& row, std::string_view normalisedTyped) {
  const auto begins = [normalisedTyped](std::string_view text) {
    return NormaliseName(text).starts_with(normalisedTyped);
  };
  return begins(row.name) || (row.messier != 0 && begins("M " + std::to_string(row.messier))) ||
         (row.ngc != 0 && begins("NGC " + std::to_string(row.ngc)));
}

}  // namespace

TDeepFindForm::TDeepFindForm(const TDeepSkyFile& file) {
  for (std::size_t i = 0; i < file.Count(); ++i) {
    const auto record = file.Record(i);
    if (!record) continue;
    const bool cloud = CloudOf(*record) != TMagellanicCloud::kNone;
    rows_.Add(std::make_unique<TDSObject>(record->messier, record->ngc,
                                          cloud ? KindName(*record) : record->name, record->type,
                                          static_cast<int32_t>(i) + 1));
  }
  SortRows(rows_, sortedBy_);
}

velplatform::TDialogLayout TDeepFindForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Поиск галактики, туманности, звездного скопления");
  layout.width = 320;
  layout.height = 220;
  layout.controls = {
      {kSearchEdit, TControlKind::kEdit, {4, 4, 312, 12}, ""},
      {kTable, TControlKind::kTable, {4, 20, 312, 176}, ""},
      {kFindButton, TControlKind::kOkButton, {190, 200, 60, 14}, Cp1251("&Найти")},
      {kCancelButton, TControlKind::kCancelButton, {256, 200, 60, 14}, Cp1251("&Отмена")},
  };
  return layout;
}

const TDSObject& TDeepFindForm::Row(int32_t index) const {
  return static_cast<const TDSObject&>(*rows_.Items(index));
}

int32_t TDeepFindForm::RowOf(int32_t number) const {
  for (int32_t i = 0; i < rows_.Count(); ++i) {
    if (Row(i).number == number) return i;
  }
  return -1;
}

int32_t TDeepFindForm::FirstRowBeginningWith(std::string_view typed) const {
  const std::string text = NormaliseName(typed);
  if (text.empty()) return -1;
  for (int32_t i = 0; i < rows_.Count(); ++i) {
    if (BeginsWith(Row(i), text)) return i;
  }
  return -1;
}

void TDeepFindForm::FillTable(velplatform::TDialogControls& controls) const {
  controls.ClearItems(kTable);
  for (int32_t i = 0; i < rows_.Count(); ++i) controls.AddRow(kTable, Cells(Row(i)));
  controls.MarkSortedColumn(kTable, static_cast<int32_t>(sortedBy_));
}

void TDeepFindForm::Init(velplatform::TDialogControls& controls) {
  controls.SetColumns(kTable, Columns());
  FillTable(controls);
  controls.Select(kTable, rows_.Count() > 0 ? 0 : -1);
  controls.Focus(kSearchEdit);
}

void TDeepFindForm::Changed(velplatform::TDialogControls& controls, int32_t id) {
  if (id == kSearchEdit) controls.Select(kTable, FirstRowBeginningWith(controls.Text(kSearchEdit)));
}

// The selected object stays selected in its new place.
void TDeepFindForm::HeaderClicked(velplatform::TDialogControls& controls, int32_t id,
                                  int32_t column) {
  if (id != kTable || column < 0 || column >= static_cast<int32_t>(Columns().size())) return;
  const auto clicked = static_cast<TDeepFindColumn>(column);
  if (clicked == sortedBy_) return;
  const int32_t selected = controls.Selected(kTable);
  const int32_t number = selected >= 0 ? Row(selected).number : 0;  // objects count from 1
  sortedBy_ = clicked;
  SortRows(rows_, sortedBy_);
  FillTable(controls);
  controls.Select(kTable, RowOf(number));
}

bool TDeepFindForm::DoubleClicked(velplatform::TDialogControls& controls, int32_t id) {
  return id == kTable && Accept(controls);
}

bool TDeepFindForm::Accept(velplatform::TDialogControls& controls) {
  const int32_t selected = controls.Selected(kTable);
  if (selected < 0 || selected >= rows_.Count()) return false;
  chosen_ = Row(selected).number;
  return true;
}

}  // namespace velarion::catalogues
