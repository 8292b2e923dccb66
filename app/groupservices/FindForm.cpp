#include "FindForm.h"

#include "Cp1251.h"
#include "ValueFormat.h"

namespace velarion::catalogues {

namespace {

using velplatform::TControlKind;

// The first entry whose leading characters equal `text`, else -1.
int32_t FirstEntryBeginningWith(const velplatform::TDialogControls& controls,
                                std::string_view text) {
  const int32_t count = controls.ItemCount(TFindForm::kNamesList);
  for (int32_t i = 0; i < count; ++i) {
    if (controls.Item(TFindForm::kNamesList, i).starts_with(text)) return i;
  }
  return -1;
}

}  // namespace

std::string NormaliseName(std::string_view text) {
  std::string name = velplatform::LowerCp1251(sky::TrimSpaces(text));
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] != ' ' && (i == 0 || name[i - 1] == ' ')) {
      name[i] = static_cast<char>(velplatform::UpperCp1251(static_cast<unsigned char>(name[i])));
    }
  }
  return name;
}

TFindForm::TFindForm(std::string caption) : caption_(std::move(caption)) {}

void TFindForm::AddName(std::string_view text) {
  if (!text.empty()) names_.push_back(NormaliseName(text));
}

velplatform::TDialogLayout TFindForm::Layout() const {
  velplatform::TDialogLayout layout;
  layout.caption = caption_;
  layout.width = 150;
  layout.height = 172;
  layout.centredOnScreen = true;
  layout.controls = {
      {kNameEdit, TControlKind::kEdit, {6, 6, 138, 12}, ""},
      {kNamesList, TControlKind::kList, {6, 22, 138, 124}, ""},
      {kFindButton, TControlKind::kOkButton, {14, 152, 56, 14}, velplatform::Cp1251("&Найти")},
      {kCancelButton,
       TControlKind::kCancelButton,
       {80, 152, 56, 14},
       velplatform::Cp1251("&Отмена")},
  };
  return layout;
}

std::optional<std::string> TFindForm::Run(velplatform::TWindowHandle owner) {
  chosen_.reset();
  if (!velplatform::RunDialog(owner, Layout(), *this)) return std::nullopt;
  return chosen_;
}

void TFindForm::Init(velplatform::TDialogControls& controls) {
  chosen_.reset();
  controls.ClearItems(kNamesList);
  controls.SetSorted(kNamesList, sorted_);
  for (const std::string& name : names_) controls.AddItem(kNamesList, name);
  controls.Focus(kNameEdit);
}

void TFindForm::Changed(velplatform::TDialogControls& controls, int32_t id) {
  if (id == kNameEdit) ChangeName(controls);
  if (id == kNamesList) NamesListClick(controls);
}

bool TFindForm::DoubleClicked(velplatform::TDialogControls& controls, int32_t id) {
  if (id != kNamesList || controls.Selected(kNamesList) < 0) return false;
  TakeSelection(controls);
  return true;
}

bool TFindForm::Accept(velplatform::TDialogControls& controls) {
  TakeSelection(controls);
  return true;
}

void TFindForm::ChangeName(velplatform::TDialogControls& controls) const {
  const std::string text = NormaliseName(controls.Text(kNameEdit));
  controls.Select(kNamesList, text.empty() ? -1 : FirstEntryBeginningWith(controls, text));
}

// The clicked entry goes into the field and stays selected: the matching the field runs
// would pick it too unless an earlier entry of an unsorted list begins with it.
void TFindForm::NamesListClick(velplatform::TDialogControls& controls) const {
  const int32_t clicked = controls.Selected(kNamesList);
  if (clicked < 0) return;
  controls.SetText(kNameEdit, sky::TrimSpaces(controls.Item(kNamesList, clicked)));
  controls.Select(kNamesList, clicked);
}

void TFindForm::TakeSelection(const velplatform::TDialogControls& controls) {
  const int32_t selected = controls.Selected(kNamesList);
  chosen_.reset();
  if (selected >= 0) chosen_ = controls.Item(kNamesList, selected);
}

}  // namespace velarion::catalogues
