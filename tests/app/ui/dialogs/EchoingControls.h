// Controls that answer a logic's own writes as a window that took them for the user's would:
// every write that changes an edit, a check box, a radio button, a selection, a slider or the
// page shown is reported back to the logic as a change, a radio button turned on turns the
// others of its run off (reporting them too), and the one radio button on stays on when told
// off. A logic that loops on its own writes, or converts a value twice, fails here while the
// plain test controls pass.
#ifndef VELARION_TESTS_APP_UI_DIALOGS_ECHOINGCONTROLS_H
#define VELARION_TESTS_APP_UI_DIALOGS_ECHOINGCONTROLS_H

#include "FakeDialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace velarion::ui::test {

class TEchoingControls final : public velplatform::TDialogControls {
 public:
  TEchoingControls(const velplatform::TDialogLayout& layout, velplatform::TDialogLogic& logic)
      : fake_(layout), logic_(logic) {
    int32_t run = 0;
    for (const velplatform::TControlLayout& c : layout.controls) {
      if (c.kind != velplatform::TControlKind::kRadioButton) {
        ++run;
        continue;
      }
      radioRun_[c.id] = run;
      runs_[run].push_back(c.id);
    }
    logic_.Init(*this);
    initialised_ = true;
  }

  std::string Text(int32_t id) const override { return fake_.Text(id); }
  void SetText(int32_t id, std::string_view text) override {
    if (fake_.Text(id) == text) return;
    fake_.SetText(id, text);
    Echo(id);
  }
  bool Checked(int32_t id) const override { return fake_.Checked(id); }
  void SetChecked(int32_t id, bool checked) override {
    if (fake_.Checked(id) == checked) return;
    const auto run = radioRun_.find(id);
    if (run != radioRun_.end() && !checked) return;  // an exclusive group keeps its one
    fake_.SetChecked(id, checked);
    Echo(id);
    if (run == radioRun_.end()) return;
    for (int32_t other : runs_[run->second]) {
      if (other != id && fake_.Checked(other)) {
        fake_.SetChecked(other, false);
        Echo(other);
      }
    }
  }
  void SetEnabled(int32_t id, bool enabled) override { fake_.SetEnabled(id, enabled); }
  bool Enabled(int32_t id) const override { return fake_.Enabled(id); }
  void Focus(int32_t id) override { fake_.Focus(id); }
  void ClearItems(int32_t id) override { fake_.ClearItems(id); }
  void AddItem(int32_t id, std::string_view text) override { fake_.AddItem(id, text); }
  void SetSorted(int32_t id, bool sorted) override { fake_.SetSorted(id, sorted); }
  int32_t ItemCount(int32_t id) const override { return fake_.ItemCount(id); }
  std::string Item(int32_t id, int32_t index) const override { return fake_.Item(id, index); }
  int32_t Selected(int32_t id) const override { return fake_.Selected(id); }
  void Select(int32_t id, int32_t index) override {
    if (fake_.Selected(id) == index) return;
    fake_.Select(id, index);
    Echo(id);
  }
  void SetColumns(int32_t id, std::span<const velplatform::TTableColumn> columns) override {
    fake_.SetColumns(id, columns);
  }
  void AddRow(int32_t id, std::span<const std::string> cells) override { fake_.AddRow(id, cells); }
  void MarkSortedColumn(int32_t id, int32_t column) override { fake_.MarkSortedColumn(id, column); }
  void SetRange(int32_t id, int32_t minimum, int32_t maximum) override {
    const int32_t before = fake_.Position(id);
    fake_.SetRange(id, minimum, maximum);
    if (fake_.Position(id) != before) Echo(id);
  }
  int32_t Position(int32_t id) const override { return fake_.Position(id); }
  void SetPosition(int32_t id, int32_t position) override {
    const int32_t before = fake_.Position(id);
    fake_.SetPosition(id, position);
    if (fake_.Position(id) != before) Echo(id);
  }
  int32_t CurrentPage(int32_t id) const override { return fake_.CurrentPage(id); }
  void SelectPage(int32_t id, int32_t page) override {
    const int32_t before = fake_.CurrentPage(id);
    fake_.SelectPage(id, page);
    if (fake_.CurrentPage(id) != before) Echo(id);
  }

  // ---- The user ----
  void Type(int32_t id, std::string_view text) { SetText(id, text); }
  void Click(int32_t id, bool checked) { SetChecked(id, checked); }
  void Choose(int32_t id, int32_t index) { Select(id, index); }
  void MoveSlider(int32_t id, int32_t position) { SetPosition(id, position); }
  void Leave(int32_t id) { logic_.Left(*this, id); }
  bool PressOk() { return logic_.Accept(*this); }
  bool Press(int32_t id) { return logic_.Command(*this, id); }
  int32_t Echoes() const { return echoes_; }

 private:
  void Echo(int32_t id) {
    if (!initialised_) return;  // the window reports nothing before it shows
    ++echoes_;
    ++depth_;
    ASSERT_LT(depth_, 20) << "the logic keeps answering its own writes (control " << id << ")";
    logic_.Changed(*this, id);
    --depth_;
  }

  veltest::TFakeControls fake_;
  velplatform::TDialogLogic& logic_;
  std::map<int32_t, int32_t> radioRun_;
  std::map<int32_t, std::vector<int32_t>> runs_;
  bool initialised_ = false;
  int32_t depth_ = 0;
  int32_t echoes_ = 0;
};

}  // namespace velarion::ui::test

#endif
