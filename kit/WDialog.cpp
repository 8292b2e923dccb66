#include "WDialog.h"

#include <algorithm>

namespace velarion::kit {
namespace {

using velplatform::TControlKind;

// The search narrows by halves while more than this many entries remain, then goes in order.
constexpr std::size_t kLinearSearchSpan = 6;

std::unique_ptr<TWControl> ControlFor(TControlKind kind, int32_t id) {
  switch (kind) {
    case TControlKind::kButton:
    case TControlKind::kOkButton:
    case TControlKind::kCancelButton:
    case TControlKind::kCheckBox:
    case TControlKind::kRadioButton:
    case TControlKind::kGroupBox:
      return std::make_unique<TWButton>(id);
    case TControlKind::kEdit:
      return std::make_unique<TWEdit>(id);
    case TControlKind::kList:
      return std::make_unique<TWListBox>(id);
    case TControlKind::kComboBox:
      return std::make_unique<TWComboBox>(id);
    case TControlKind::kSlider:
      return std::make_unique<TWUpDown>(id);
    case TControlKind::kLabel:
    case TControlKind::kPageControl:
    case TControlKind::kTable:
      break;
  }
  return std::make_unique<TWControl>(id);
}

}  // namespace

// What the platform's runner drives: it hands the shown controls to the dialog's objects
// and passes the user's actions on to them.
class TWDialog::TLogic final : public velplatform::TDialogLogic {
 public:
  explicit TLogic(TWDialog& dialog) : dialog_(dialog) {}

  void Init(velplatform::TDialogControls& controls) override {
    dialog_.CreateControls(controls);
    dialog_.SetupWindow();
  }
  void Changed(velplatform::TDialogControls&, int32_t id) override {
    if (TWControl* control = dialog_.FindControl(id)) control->UserChanged();
  }
  bool Command(velplatform::TDialogControls&, int32_t id) override {
    if (TWControl* control = dialog_.FindControl(id)) control->Notify();
    return false;
  }
  bool Accept(velplatform::TDialogControls&) override { return dialog_.CanClose(); }

 private:
  TWDialog& dialog_;
};

TWDialog::TWDialog(int32_t layoutNumber, velplatform::TDialogLayout layout)
    : TWObject(layoutNumber), layout_(std::move(layout)) {}

TWDialog::~TWDialog() { ReleaseControls(); }

bool TWDialog::Execute(velplatform::TWindowHandle owner) {
  TLogic logic(*this);
  const bool ok = velplatform::RunDialog(owner, layout_, logic);
  ReleaseControls();
  return ok;
}

void TWDialog::CreateControls(velplatform::TDialogControls& controls) {
  ReleaseControls();
  for (const velplatform::TControlLayout& c : layout_.controls) {
    if (c.id <= 0) continue;
    std::unique_ptr<TWControl> control = ControlFor(c.kind, c.id);
    control->Bind(&controls, c.id);
    // After every equal id, so that equal ids keep their order in the layout.
    const auto at = std::upper_bound(
        controls_.begin(), controls_.end(), c.id,
        [](int32_t id, const std::unique_ptr<TWControl>& other) { return id < other->Id(); });
    controls_.insert(at, std::move(control));
  }
}

// Last first, as they were made.
void TWDialog::ReleaseControls() {
  while (!controls_.empty()) controls_.pop_back();
  lastFoundIndex_ = -1;
}

TWControl* TWDialog::FindControl(int32_t id) {
  lastFoundIndex_ = -1;
  if (controls_.empty() || id < controls_.front()->Id() || id > controls_.back()->Id()) {
    return nullptr;
  }
  std::size_t low = 0;
  std::size_t high = controls_.size();
  while (high - low > kLinearSearchSpan) {
    const std::size_t middle = low + (high - low) / 2;
    if (controls_[middle]->Id() < id) {
      low = middle + 1;
    } else {
      high = middle + 1;  // keeps the first entry of the id in the range
    }
  }
  for (std::size_t i = low; i < high; ++i) {
    if (controls_[i]->Id() == id) {
      lastFoundIndex_ = static_cast<int32_t>(i);
      return controls_[i].get();
    }
  }
  return nullptr;
}

bool TWDialog::ReplaceControl(std::unique_ptr<TWControl> control, int32_t id,
                              bool takeOverMessages) {
  if (control == nullptr || FindControl(id) == nullptr) return false;
  std::unique_ptr<TWControl>& slot = controls_[static_cast<std::size_t>(lastFoundIndex_)];
  control->Bind(slot->Controls(), id);
  if (takeOverMessages) control->TakeOver(slot->Handler());
  slot = std::move(control);
  return true;
}

}  // namespace velarion::kit
