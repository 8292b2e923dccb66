// Dialogs and message boxes in tests: the controls of a dialog held in memory, and runners
// that play the user through a script against them.
//
//   veltest::TDialogScript script = [](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
//     c.Type(l, kNameEdit, "ори");     // sets the text and reports the change
//     c.Leave(l, kNameEdit);           // the focus leaves the edit
//     return c.PressOk(l);             // Accept(); the dialog's result
//   };
//   veltest::TFakeDialogs dialogs(script);  // installed for the scope
//   ... code that calls RunDialog ...
//   dialogs.Shown()  // the layouts shown, in order
#ifndef VELARION_TESTS_SUPPORT_FAKEDIALOGS_H
#define VELARION_TESTS_SUPPORT_FAKEDIALOGS_H

#include "Dialogs.h"
#include "FileChooser.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace veltest {

class TFakeControls final : public velplatform::TDialogControls {
 public:
  struct TControl {
    velplatform::TControlKind kind = velplatform::TControlKind::kLabel;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool sorted = false;
    std::vector<std::string> items;
    std::vector<velplatform::TTableColumn> columns;  // tables
    std::vector<std::vector<std::string>> rows;
    int32_t sortedColumn = -1;
    int32_t selected = -1;
    int32_t minimum = 0;  // sliders
    int32_t maximum = 99;
    int32_t position = 0;
    int32_t currentPage = 0;  // the page control; its pages are the text's lines
    int32_t pageCount = 0;
    int32_t page = 0;  // the page the control sits on
    std::string hint;
  };

  explicit TFakeControls(const velplatform::TDialogLayout& layout) {
    for (const velplatform::TControlLayout& c : layout.controls) {
      TControl control;
      control.kind = c.kind;
      control.text = c.text;
      control.page = c.page;
      control.hint = c.hint;
      if (c.kind == velplatform::TControlKind::kPageControl) {
        control.pageCount =
            static_cast<int32_t>(std::count(c.text.begin(), c.text.end(), '\n')) + 1;
        control.currentPage = 1;
      }
      controls_[c.id] = std::move(control);
    }
  }

  std::string Text(int32_t id) const override { return Find(id) ? Find(id)->text : ""; }
  void SetText(int32_t id, std::string_view text) override {
    if (TControl* c = Find(id)) c->text = text;
  }
  bool Checked(int32_t id) const override { return Find(id) && Find(id)->checked; }
  void SetChecked(int32_t id, bool checked) override {
    if (TControl* c = Find(id)) c->checked = checked;
  }
  void SetEnabled(int32_t id, bool enabled) override {
    if (TControl* c = Find(id)) c->enabled = enabled;
  }
  bool Enabled(int32_t id) const override { return Find(id) && Find(id)->enabled; }
  void Focus(int32_t id) override { focused = id; }
  void ClearItems(int32_t id) override {
    if (TControl* c = Find(id)) {
      c->items.clear();
      c->rows.clear();
      c->selected = -1;
    }
  }
  void AddItem(int32_t id, std::string_view text) override {
    TControl* c = Find(id);
    if (c == nullptr) return;
    auto at = c->items.end();
    if (c->sorted) at = std::upper_bound(c->items.begin(), c->items.end(), std::string(text));
    c->items.insert(at, std::string(text));
  }
  void SetSorted(int32_t id, bool sorted) override {
    if (TControl* c = Find(id)) c->sorted = sorted;
  }
  int32_t ItemCount(int32_t id) const override {
    const TControl* c = Find(id);
    if (c == nullptr) return 0;
    return static_cast<int32_t>(c->kind == velplatform::TControlKind::kTable ? c->rows.size()
                                                                             : c->items.size());
  }
  std::string Item(int32_t id, int32_t index) const override {
    const TControl* c = Find(id);
    if (c == nullptr || index < 0 || index >= static_cast<int32_t>(c->items.size())) return "";
    return c->items[static_cast<std::size_t>(index)];
  }
  int32_t Selected(int32_t id) const override { return Find(id) ? Find(id)->selected : -1; }
  void Select(int32_t id, int32_t index) override {
    if (TControl* c = Find(id)) c->selected = index < ItemCount(id) ? std::max(index, -1) : -1;
  }
  void SetColumns(int32_t id, std::span<const velplatform::TTableColumn> columns) override {
    if (TControl* c = Find(id)) c->columns.assign(columns.begin(), columns.end());
  }
  void AddRow(int32_t id, std::span<const std::string> cells) override {
    if (TControl* c = Find(id)) c->rows.emplace_back(cells.begin(), cells.end());
  }
  void MarkSortedColumn(int32_t id, int32_t column) override {
    if (TControl* c = Find(id)) c->sortedColumn = column;
  }
  void SetRange(int32_t id, int32_t minimum, int32_t maximum) override {
    TControl* c = Find(id);
    if (c == nullptr) return;
    c->minimum = minimum;
    c->maximum = std::max(minimum, maximum);
    c->position = std::clamp(c->position, c->minimum, c->maximum);
  }
  int32_t Position(int32_t id) const override { return Find(id) ? Find(id)->position : 0; }
  void SetPosition(int32_t id, int32_t position) override {
    if (TControl* c = Find(id)) c->position = std::clamp(position, c->minimum, c->maximum);
  }
  int32_t CurrentPage(int32_t id) const override { return Find(id) ? Find(id)->currentPage : 0; }
  void SelectPage(int32_t id, int32_t page) override {
    TControl* c = Find(id);
    if (c != nullptr && page >= 1 && page <= c->pageCount) c->currentPage = page;
  }

  // ---- The user ----
  void Type(velplatform::TDialogLogic& logic, int32_t id, std::string_view text) {
    SetText(id, text);
    logic.Changed(*this, id);
  }
  void Click(velplatform::TDialogLogic& logic, int32_t id, bool checked) {
    SetChecked(id, checked);
    logic.Changed(*this, id);
  }
  void Choose(velplatform::TDialogLogic& logic, int32_t id, int32_t index) {
    Select(id, index);
    logic.Changed(*this, id);
  }
  void MoveSlider(velplatform::TDialogLogic& logic, int32_t id, int32_t position) {
    SetPosition(id, position);
    logic.Changed(*this, id);
  }
  void ShowPage(velplatform::TDialogLogic& logic, int32_t id, int32_t page) {
    SelectPage(id, page);
    logic.Changed(*this, id);
  }
  void ClickHeader(velplatform::TDialogLogic& logic, int32_t id, int32_t column) {
    logic.HeaderClicked(*this, id, column);
  }
  void Leave(velplatform::TDialogLogic& logic, int32_t id) {
    if (focused == id) focused = 0;
    logic.Left(*this, id);
  }
  bool PressOk(velplatform::TDialogLogic& logic) { return logic.Accept(*this); }
  bool Press(velplatform::TDialogLogic& logic, int32_t id) { return logic.Command(*this, id); }

  const TControl* Control(int32_t id) const { return Find(id); }
  int32_t focused = 0;

 private:
  TControl* Find(int32_t id) {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
  }
  const TControl* Find(int32_t id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
  }
  std::map<int32_t, TControl> controls_;
};

// The user's part in one dialog; returns the dialog's result (true: OK).
using TDialogScript = std::function<bool(TFakeControls&, velplatform::TDialogLogic&)>;

// Installs a dialog runner for its lifetime: each shown dialog gets Init, then the next
// script (or cancel when the scripts are used up). Message boxes are recorded and answered
// with `answer`; beeps are counted.
class TFakeDialogs {
 public:
  explicit TFakeDialogs(std::vector<TDialogScript> scripts = {},
                        velplatform::TMessageAnswer answer = velplatform::TMessageAnswer::kOk)
      : scripts_(std::move(scripts)), answer_(answer) {
    velplatform::SetDialogRunner([this](velplatform::TWindowHandle,
                                        const velplatform::TDialogLayout& layout,
                                        velplatform::TDialogLogic& logic) {
      shown_.push_back(layout);
      TFakeControls controls(layout);
      logic.Init(controls);
      if (next_ >= scripts_.size()) return false;
      return scripts_[next_++](controls, logic);
    });
    velplatform::SetMessageBoxRunner(
        [this](velplatform::TWindowHandle, const velplatform::TMessageBoxRequest& request) {
          messages_.push_back(request);
          return answer_;
        });
    velplatform::SetBeepRunner([this] { ++beeps_; });
  }
  ~TFakeDialogs() {
    velplatform::SetDialogRunner(nullptr);
    velplatform::SetMessageBoxRunner(nullptr);
    velplatform::SetColourRunner(nullptr);
    velplatform::SetSaveFileRunner(nullptr);
    velplatform::SetBeepRunner(nullptr);
  }

  // The save-file chooser answers with `file` (none: the user cancels) and records what it
  // was asked.
  void AnswerSaveFile(std::optional<std::string> file) {
    velplatform::SetSaveFileRunner(
        [this, file](velplatform::TWindowHandle, const velplatform::TSaveFileRequest& request) {
          saveFileRequests_.push_back(request);
          return file;
        });
  }
  const std::vector<velplatform::TSaveFileRequest>& SaveFileRequests() const {
    return saveFileRequests_;
  }

  // The colour chooser answers with `colour` (none: the user cancels) and records the
  // colours it was preset to.
  void AnswerColour(std::optional<uint32_t> colour) {
    velplatform::SetColourRunner([this, colour](velplatform::TWindowHandle, uint32_t initial) {
      colourPresets_.push_back(initial);
      return colour;
    });
  }
  const std::vector<uint32_t>& ColourPresets() const { return colourPresets_; }
  int Beeps() const { return beeps_; }
  TFakeDialogs(const TFakeDialogs&) = delete;
  TFakeDialogs& operator=(const TFakeDialogs&) = delete;

  const std::vector<velplatform::TDialogLayout>& Shown() const { return shown_; }
  const std::vector<velplatform::TMessageBoxRequest>& Messages() const { return messages_; }

 private:
  std::vector<TDialogScript> scripts_;
  std::size_t next_ = 0;
  velplatform::TMessageAnswer answer_;
  std::vector<velplatform::TDialogLayout> shown_;
  std::vector<velplatform::TMessageBoxRequest> messages_;
  std::vector<uint32_t> colourPresets_;
  std::vector<velplatform::TSaveFileRequest> saveFileRequests_;
  int beeps_ = 0;
};

}  // namespace veltest

#endif
