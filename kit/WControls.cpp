#include "WControls.h"

#include "Numbers.h"

#include <algorithm>

namespace velarion::kit {
namespace {

TWControl::THandler Handled(std::function<void()> action) {
  if (!action) return {};
  return [action = std::move(action)](TWControl&) {
    action();
    return true;
  };
}

}  // namespace

bool TWControl::Notify() {
  if (handler_) return handler_(*this);
  if (previousHandler_) return previousHandler_(*this);
  return false;
}

void TWButton::SetClickHandler(std::function<void()> onClick) {
  SetHandler(Handled(std::move(onClick)));
}

void TWButton::SetCheck(bool on) {
  if (Controls() != nullptr) Controls()->SetChecked(Id(), on);
}

bool TWButton::GetCheck() const { return Controls() != nullptr && Controls()->Checked(Id()); }

void TWEdit::SetChangeHandler(std::function<void()> onChange) {
  SetHandler(Handled(std::move(onChange)));
}

void TWItemControl::SetSelectionHandler(std::function<void()> onSelect) {
  SetHandler(Handled(std::move(onSelect)));
}

void TWItemControl::SetCurSel(int32_t index) {
  if (Controls() != nullptr) Controls()->Select(Id(), index);
}

int32_t TWItemControl::GetCurSel() const {
  return Controls() != nullptr ? Controls()->Selected(Id()) : -1;
}

int32_t TWItemControl::GetCount() const {
  return Controls() != nullptr ? Controls()->ItemCount(Id()) : 0;
}

void TWItemControl::ResetContent() {
  itemData_.clear();
  if (Controls() != nullptr) Controls()->ClearItems(Id());
}

void TWItemControl::AddString(std::string_view text) {
  if (Controls() == nullptr) return;
  Controls()->AddItem(Id(), text);
  itemData_.resize(static_cast<std::size_t>(GetCount()), 0);
}

std::string TWItemControl::GetItemText(int32_t index) const {
  return Controls() != nullptr ? Controls()->Item(Id(), index) : std::string();
}

bool TWItemControl::SetItemData(int32_t index, int64_t value) {
  if (index < 0 || index >= GetCount()) return false;
  itemData_.resize(static_cast<std::size_t>(GetCount()), 0);
  itemData_[static_cast<std::size_t>(index)] = value;
  return true;
}

std::optional<int64_t> TWItemControl::GetItemData(int32_t index) const {
  if (index < 0 || index >= GetCount() || static_cast<std::size_t>(index) >= itemData_.size()) {
    return std::nullopt;
  }
  return itemData_[static_cast<std::size_t>(index)];
}

// The controls have no removal of one row: the rows are laid anew without it, their values
// and the selection kept.
bool TWItemControl::DeleteString(int32_t index) {
  const int32_t count = GetCount();
  if (index < 0 || index >= count) return false;
  std::vector<std::string> texts;
  for (int32_t i = 0; i < count; ++i) {
    if (i != index) texts.push_back(GetItemText(i));
  }
  std::vector<int64_t> data = itemData_;
  data.resize(static_cast<std::size_t>(count), 0);
  data.erase(data.begin() + index);
  const int32_t selected = GetCurSel();
  ResetContent();
  for (const std::string& text : texts) AddString(text);
  itemData_ = std::move(data);
  SetCurSel(selected > index ? selected - 1 : (selected == index ? -1 : selected));
  return true;
}

void TWListBox::SetItemTextSource(std::function<std::string(int64_t)> textOf) {
  textOf_ = std::move(textOf);
}

void TWListBox::AddItem(int64_t value) {
  AddString(textOf_ ? textOf_(value) : velplatform::IntegerToText(value));
  SetItemData(GetCount() - 1, value);
}

void TWUpDown::SetPositionRequestHandler(std::function<bool(int32_t position)> onRequest) {
  if (!onRequest) return SetHandler({});
  SetHandler([onRequest = std::move(onRequest)](TWControl& control) {
    const auto* upDown = dynamic_cast<const TWUpDown*>(&control);
    return onRequest(upDown != nullptr ? upDown->GetPos() : 0);
  });
}

void TWUpDown::SetPos(int32_t position) {
  if (Controls() != nullptr) Controls()->SetPosition(Id(), position);
  settledPosition_ = GetPos();
}

void TWUpDown::UserChanged() {
  if (Notify()) {
    SetPos(settledPosition_);
  } else {
    settledPosition_ = GetPos();
  }
}

void TWUpDown::SetRange(int32_t upper, int32_t lower) {
  if (Controls() != nullptr) {
    Controls()->SetRange(Id(), std::min(upper, lower), std::max(upper, lower));
  }
}

int32_t TWUpDown::GetPos() const { return Controls() != nullptr ? Controls()->Position(Id()) : 0; }

}  // namespace velarion::kit
