// Reading and writing the number fields and radio pairs of the dialogs: text that is no
// number reads as 0, numbers are shown with "." whatever the locale.
#ifndef VELARION_APP_UI_DIALOGS_DIALOGFIELDS_H
#define VELARION_APP_UI_DIALOGS_DIALOGFIELDS_H

#include "Dialogs.h"

#include <cstdint>
#include <string_view>

namespace velarion::ui {

double FieldNumber(const velplatform::TDialogControls& controls, int32_t id);
// The field's number rounded to the nearest integer (0 for no number, kept within int32).
int32_t FieldInteger(const velplatform::TDialogControls& controls, int32_t id);
void SetFieldNumber(velplatform::TDialogControls& controls, int32_t id, double value, int decimals);

// A pair of radio buttons: checks one and clears the other (the window does the clearing
// by itself, the test controls do not).
void CheckRadio(velplatform::TDialogControls& controls, int32_t on, int32_t off);

// A control layout from a UTF-8 source text (converted to CP1251).
velplatform::TControlLayout Control(int32_t id, velplatform::TControlKind kind,
                                    velplatform::TDialogRect rect, std::string_view utf8Text = {});
// The control with a hint from a UTF-8 source text.
velplatform::TControlLayout WithHint(velplatform::TControlLayout control,
                                     std::string_view utf8Hint);

// Set while a logic writes its own controls: the window reports those writes as changes,
// which the logic must not take for the user's.
class TSelfUpdate {
 public:
  explicit TSelfUpdate(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~TSelfUpdate() { flag_ = previous_; }
  TSelfUpdate(const TSelfUpdate&) = delete;
  TSelfUpdate& operator=(const TSelfUpdate&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace velarion::ui

#endif
