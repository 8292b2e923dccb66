// The light dialog classes' control objects, one per control of a shown dialog's layout,
// chosen by the control's kind: buttons (push buttons, check boxes, radio buttons, group
// frames), edit fields, lists, drop-down lists and up-down (slider) controls; any other kind
// is a plain TWControl. Each carries one notification handler, which the dialog calls when
// the user acts on the control.
#ifndef VELARION_KIT_WCONTROLS_H
#define VELARION_KIT_WCONTROLS_H

#include "WObject.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velarion::kit {

class TWControl : public TWObject {
 public:
  // True when the notification was handled (for an up-down control: the change is refused).
  // Given the control notified (the replacing object after TWDialog::ReplaceControl).
  using THandler = std::function<bool(TWControl&)>;

  explicit TWControl(int32_t id = kNoControlId) : TWObject(id) {}

  // Runs the control's handler, or else the one it took over from the object it replaced;
  // false when neither is there.
  bool Notify();
  // The user changed the control; the dialog calls this.
  virtual void UserChanged() { Notify(); }
  // Keeps `handler` as the one to fall back to (TWDialog::ReplaceControl).
  void TakeOver(THandler handler) { previousHandler_ = std::move(handler); }
  const THandler& Handler() const { return handler_; }

 protected:
  void SetHandler(THandler handler) { handler_ = std::move(handler); }

 private:
  THandler handler_;
  THandler previousHandler_;
};

class TWButton : public TWControl {
 public:
  using TWControl::TWControl;
  void SetClickHandler(std::function<void()> onClick);
  void SetCheck(bool on);
  bool GetCheck() const;
};

class TWEdit : public TWControl {
 public:
  using TWControl::TWControl;
  void SetChangeHandler(std::function<void()> onChange);
};

// The rows of a list or a drop-down list, each with a value of the caller's.
class TWItemControl : public TWControl {
 public:
  using TWControl::TWControl;
  void SetSelectionHandler(std::function<void()> onSelect);
  void SetCurSel(int32_t index);
  int32_t GetCurSel() const;  // -1: none
  int32_t GetCount() const;
  void ResetContent();
  void AddString(std::string_view text);
  std::string GetItemText(int32_t index) const;  // empty for an index outside the rows
  bool SetItemData(int32_t index, int64_t value);
  std::optional<int64_t> GetItemData(int32_t index) const;
  bool DeleteString(int32_t index);

 private:
  std::vector<int64_t> itemData_;
};

class TWListBox : public TWItemControl {
 public:
  using TWItemControl::TWItemControl;
  // How AddItem shows a value (decimal when not set).
  void SetItemTextSource(std::function<std::string(int64_t)> textOf);
  // A row shown from `value`, which is its item data.
  void AddItem(int64_t value);

 private:
  std::function<std::string(int64_t)> textOf_;
};

class TWComboBox : public TWItemControl {
 public:
  using TWItemControl::TWItemControl;
  // The value of a row; 0 for none.
  int64_t GetItemValue(int32_t index) const { return GetItemData(index).value_or(0); }
};

class TWUpDown : public TWControl {
 public:
  using TWControl::TWControl;
  // Asked with the requested position; true refuses the change.
  void SetPositionRequestHandler(std::function<bool(int32_t position)> onRequest);
  void SetPos(int32_t position);
  void SetRange(int32_t upper, int32_t lower);
  int32_t GetPos() const;
  // Asks the handler about the new position and goes back to the last one it refused.
  void UserChanged() override;

 private:
  int32_t settledPosition_ = 0;
};

}  // namespace velarion::kit

#endif
