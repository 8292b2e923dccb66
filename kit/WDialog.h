// TWDialog: a dialog of the light dialog classes. While it is shown every control of its
// layout with an id above 0 has a control object of its kind, kept sorted by id, found by
// FindControl and replaceable by a caller's own object; the controls' notifications go to
// their objects' handlers. Execute runs it modally through the platform's dialog runner.
#ifndef VELARION_KIT_WDIALOG_H
#define VELARION_KIT_WDIALOG_H

#include "Dialogs.h"
#include "WControls.h"
#include "WObject.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace velarion::kit {

class TWDialog : public TWObject {
 public:
  // `layoutNumber` names the layout as the plug-in's resources do.
  TWDialog(int32_t layoutNumber, velplatform::TDialogLayout layout);
  ~TWDialog() override;

  // True when the dialog ended with OK.
  bool Execute(velplatform::TWindowHandle owner);

  // The control object of `id`, or none (LastFoundIndex() is then -1).
  TWControl* FindControl(int32_t id);
  template <typename T>
  T* Find(int32_t id) {
    return dynamic_cast<T*>(FindControl(id));
  }
  int32_t LastFoundIndex() const { return lastFoundIndex_; }
  int32_t Count() const { return static_cast<int32_t>(controls_.size()); }

  // Puts `control` in the place of the object of `id`, which it replaces; with
  // `takeOverMessages` what `control` does not handle goes to the replaced object's handler.
  // False when the id is unknown or no object is given.
  bool ReplaceControl(std::unique_ptr<TWControl> control, int32_t id, bool takeOverMessages);

 protected:
  // Fills the controls once the dialog is shown.
  virtual void SetupWindow() {}
  // The OK button: true lets the dialog close with OK.
  virtual bool CanClose() { return true; }

 private:
  class TLogic;

  void CreateControls(velplatform::TDialogControls& controls);
  void ReleaseControls();

  velplatform::TDialogLayout layout_;
  std::vector<std::unique_ptr<TWControl>> controls_;
  int32_t lastFoundIndex_ = -1;
};

}  // namespace velarion::kit

#endif
