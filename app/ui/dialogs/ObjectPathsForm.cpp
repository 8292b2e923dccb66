#include "ObjectPathsForm.h"

#include "Cp1251.h"
#include "DialogFields.h"

#include <algorithm>
#include <array>
#include <string>

namespace velarion::ui {

using velplatform::Cp1251;
using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int32_t kHourDecimals = 4;
constexpr int32_t kDayUnitItem = 2;     // "день"
constexpr int32_t kEveryLabelItem = 1;  // "подписывать все метки"
constexpr std::array<int32_t, 5> kLabelIntervals{0, 1, 2, 5, 10};
constexpr const char* kUnitNames[] = {"год", "месяц", "день", "час", "минута", "секунда"};
constexpr const char* kLabelNames[] = {
    "не подписывать метки", "подписывать все метки", "подписывать каждую вторую метку",
    "подписывать одну из пяти меток", "подписывать одну из десяти меток"};

bool SameMoment(const TDateEntry& a, const TDateEntry& b) {
  return a.day == b.day && a.month == b.month && a.year == b.year &&
         a.beforeChrist == b.beforeChrist && a.hours == b.hours;
}

bool SameFields(const TPathParameterFields& a, const TPathParameterFields& b) {
  return SameMoment(a.start, b.start) && SameMoment(a.end, b.end) && a.marks.unit == b.marks.unit &&
         a.marks.multiplier == b.marks.multiplier && a.marks.labelInterval == b.marks.labelInterval;
}

int32_t LabelItem(int32_t interval) {
  const auto found = std::find(kLabelIntervals.begin(), kLabelIntervals.end(), interval);
  return found == kLabelIntervals.end() ? kEveryLabelItem
                                        : static_cast<int32_t>(found - kLabelIntervals.begin());
}

}  // namespace

TPathEntry NewPathEntry(const TMenuObject& object, double localMjd) {
  const TDateEntry now = DateEntryOf(localMjd);
  TPathEntry entry{object, {now, now, {}}, false};
  entry.fields.marks.multiplier = 1;
  entry.fields.marks.labelInterval = 1;
  return entry;
}

TObjectPathsForm::TObjectPathsForm(TPathsHost& host, std::vector<TPathEntry>& entries,
                                   velplatform::TWindowHandle owner)
    : host_(host), entries_(entries), owner_(owner) {}

velplatform::TDialogLayout TObjectPathsForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Траектории объектов");
  layout.width = 300;
  layout.height = 214;
  layout.controls = {
      Control(kPaths, TControlKind::kList, {4, 4, 190, 70}),
      Control(kAdd, TControlKind::kButton, {200, 4, 96, 14}, "Добавить выделенный объект"),
      Control(kDelete, TControlKind::kButton, {200, 22, 96, 14}, "Удалить"),
      WithHint(Control(kFront, TControlKind::kRadioButton, {200, 44, 96, 10}, "Передний план"),
               "Траектории на переднем плане (Ctrl+F)"),
      WithHint(Control(kBack, TControlKind::kRadioButton, {200, 58, 96, 10}, "Задний план"),
               "Траектории на заднем плане (Ctrl+B)"),
      Control(0, TControlKind::kLabel, {4, 80, 250, 8}, "Моменты начала и окончания траектории:"),
      Control(kMarks, TControlKind::kCheckBox, {4, 146, 120, 10}, "Метки на траектории"),
      Control(0, TControlKind::kLabel, {16, 162, 40, 8}, "Шаг меток:"),
      Control(kMultiplier, TControlKind::kEdit, {58, 160, 28, 12}),
      Control(kUnit, TControlKind::kComboBox, {90, 160, 60, 12}),
      Control(kLabels, TControlKind::kComboBox, {156, 160, 140, 12}),
      Control(kApply, TControlKind::kButton, {170, 192, 60, 16}, "Применить"),
      Control(2, TControlKind::kCancelButton, {236, 192, 60, 16}, "Выход"),
  };
  for (auto& control : MomentFieldControls(kStart, 4, 92, "Начало:")) {
    layout.controls.push_back(std::move(control));
  }
  for (auto& control : MomentFieldControls(kEnd, 4, 118, "Окончание:")) {
    layout.controls.push_back(std::move(control));
  }
  return layout;
}

void TObjectPathsForm::Init(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  for (const char* name : kUnitNames) controls.AddItem(kUnit, Cp1251(name));
  for (const char* name : kLabelNames) controls.AddItem(kLabels, Cp1251(name));
  const double now = host_.ViewLocalMjd();
  ShowMoment(controls, kStart, now, kHourDecimals);
  ShowMoment(controls, kEnd, now, kHourDecimals);
  ShowOrder(controls);
  ShowEntries(controls, entries_.empty() ? -1 : 0);
}

TPathEntry* TObjectPathsForm::Current(const TDialogControls& controls) {
  const int32_t index = controls.Selected(kPaths);
  if (index < 0 || index >= static_cast<int32_t>(entries_.size())) return nullptr;
  return &entries_[static_cast<std::size_t>(index)];
}

void TObjectPathsForm::ShowEntries(TDialogControls& controls, int32_t select) {
  const TSelfUpdate update(updating_);
  controls.ClearItems(kPaths);
  for (const TPathEntry& entry : entries_) controls.AddItem(kPaths, entry.object.caption);
  controls.Select(kPaths, select);
  ShowEntry(controls);
}

void TObjectPathsForm::ShowEntry(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  const TPathEntry* entry = Current(controls);
  for (const int32_t id : {kStart.day, kStart.Month(), kStart.Year(), kStart.Era(), kStart.Hours(),
                           kStart.HoursButton(), kEnd.day, kEnd.Month(), kEnd.Year(), kEnd.Era(),
                           kEnd.Hours(), kEnd.HoursButton(), kMarks, kDelete}) {
    controls.SetEnabled(id, entry != nullptr);
  }
  if (entry != nullptr) {
    const TPathParameterFields& fields = entry->fields;
    ShowMoment(controls, kStart, LocalMjdOf(fields.start), kHourDecimals);
    ShowMoment(controls, kEnd, LocalMjdOf(fields.end), kHourDecimals);
    const bool marked = fields.marks.unit != paths::TMarkUnit::kNone;
    controls.SetChecked(kMarks, marked);
    controls.SetText(kMultiplier, std::to_string(fields.marks.multiplier));
    controls.Select(kUnit, marked ? static_cast<int32_t>(fields.marks.unit) - 1 : kDayUnitItem);
    controls.Select(kLabels, LabelItem(fields.marks.labelInterval));
  }
  ShowMarkFields(controls);
  UpdateApply(controls);
}

void TObjectPathsForm::ShowMarkFields(TDialogControls& controls) {
  const bool on = controls.Enabled(kMarks) && controls.Checked(kMarks);
  for (const int32_t id : {kMultiplier, kUnit, kLabels}) controls.SetEnabled(id, on);
  if (!on) return;
  // Checking the box offers one label a day where nothing was chosen yet.
  if (controls.Text(kMultiplier).empty()) controls.SetText(kMultiplier, "1");
  if (controls.Selected(kUnit) < 0) controls.Select(kUnit, kDayUnitItem);
  if (controls.Selected(kLabels) < 0) controls.Select(kLabels, kEveryLabelItem);
}

TPathParameterFields TObjectPathsForm::ReadFields(const TDialogControls& controls) const {
  TPathParameterFields read{ReadMoment(controls, kStart), ReadMoment(controls, kEnd), {}};
  if (controls.Checked(kMarks)) {
    read.marks.unit = static_cast<paths::TMarkUnit>(std::max(0, controls.Selected(kUnit)) + 1);
    read.marks.multiplier = FieldInteger(controls, kMultiplier);
    const int32_t labels = controls.Selected(kLabels);
    read.marks.labelInterval = kLabelIntervals[static_cast<std::size_t>(
        std::clamp(labels, 0, static_cast<int32_t>(kLabelIntervals.size()) - 1))];
  }
  return read;
}

void TObjectPathsForm::UpdateApply(TDialogControls& controls) {
  const TPathEntry* entry = Current(controls);
  controls.SetEnabled(
      kApply,
      entry != nullptr && (!entry->computed || !SameFields(ReadFields(controls), entry->fields)));
}

void TObjectPathsForm::Changed(TDialogControls& controls, int32_t id) {
  if (updating_) return;
  if (id == kPaths) return ShowEntry(controls);
  if (id == kMarks) ShowMarkFields(controls);
  if (id == kFront || id == kBack) return SetOrder(controls, controls.Checked(kFront));
  UpdateApply(controls);
}

bool TObjectPathsForm::Command(TDialogControls& controls, int32_t id) {
  if (id == kAdd) Add(controls);
  if (id == kDelete) Delete(controls);
  if (id == kApply) Apply(controls);
  if (id == kStart.HoursButton()) EditHoursField(owner_, controls, kStart.Hours(), kHourDecimals);
  if (id == kEnd.HoursButton()) EditHoursField(owner_, controls, kEnd.Hours(), kHourDecimals);
  if (id == kStart.HoursButton() || id == kEnd.HoursButton()) UpdateApply(controls);
  return false;
}

// Enter applies the fields; the window stays open.
bool TObjectPathsForm::Accept(TDialogControls& controls) {
  if (controls.Enabled(kApply)) Apply(controls);
  return false;
}

bool TObjectPathsForm::KeyPressed(TDialogControls& controls, const velplatform::TDialogKey& key) {
  if (!key.control) return false;
  // The letters on a Latin and a Cyrillic layout.
  if (key.character == U'f' || key.character == U'а') {
    SetOrder(controls, true);
    return true;
  }
  if (key.character == U'b' || key.character == U'и') {
    SetOrder(controls, false);
    return true;
  }
  return false;
}

void TObjectPathsForm::Add(TDialogControls& controls) {
  const std::vector<TMenuObject> chosen = host_.ChooseSelected();
  if (chosen.empty()) return velplatform::Beep();
  const double now = host_.ViewLocalMjd();
  for (const TMenuObject& object : chosen) entries_.push_back(NewPathEntry(object, now));
  ShowEntries(controls, static_cast<int32_t>(entries_.size()) - 1);
}

void TObjectPathsForm::Delete(TDialogControls& controls) {
  const int32_t index = controls.Selected(kPaths);
  TPathEntry* entry = Current(controls);
  if (entry == nullptr) return;
  const velplatform::TMessageBoxRequest ask{Cp1251("Удалять объект?"), Cp1251("Предупреждение"),
                                            velplatform::TMessageButtons::kYesNo,
                                            velplatform::TMessageIcon::kWarning};
  if (velplatform::ShowMessageBox(owner_, ask) != velplatform::TMessageAnswer::kYes) return;
  if (entry->computed) host_.RemovePath(*entry);
  entries_.erase(entries_.begin() + index);
  ShowEntries(controls, std::min(index, static_cast<int32_t>(entries_.size()) - 1));
}

void TObjectPathsForm::Apply(TDialogControls& controls) {
  TPathEntry* entry = Current(controls);
  if (entry == nullptr) return;
  const TPathParameterFields read = ReadFields(controls);
  const auto checked = CheckPathParameters(read, host_.TimeZoneHours());
  if (const auto* error = std::get_if<TPathParameterError>(&checked)) {
    velplatform::ShowMessageBox(owner_,
                                {error->message, error->caption, velplatform::TMessageButtons::kOk,
                                 velplatform::TMessageIcon::kError});
    return;
  }
  TPathEntry wanted{entry->object, read, false};
  if (!host_.ComputePath(wanted, std::get<paths::TTimeSpan>(checked))) return;
  entry->fields = read;
  entry->computed = true;
  UpdateApply(controls);
}

void TObjectPathsForm::ShowOrder(TDialogControls& controls) {
  const bool first = host_.PathsFirst();
  controls.SetChecked(kFront, !first);
  controls.SetChecked(kBack, first);
}

void TObjectPathsForm::SetOrder(TDialogControls& controls, bool front) {
  host_.SetPathsFirst(!front);
  const TSelfUpdate update(updating_);
  ShowOrder(controls);
}

}  // namespace velarion::ui
