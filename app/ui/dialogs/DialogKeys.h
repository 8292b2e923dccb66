// Keys a dialog's logic answers itself (unit and compass shortcuts, Ctrl+letter switches).
// The window that shows the dialog hands each key press to the logic when it implements
// TDialogKeyHandler, before the dialog's own handling; a key the logic takes goes no
// further.
#ifndef VELARION_APP_UI_DIALOGS_DIALOGKEYS_H
#define VELARION_APP_UI_DIALOGS_DIALOGKEYS_H

#include "Dialogs.h"

namespace velarion::ui {

struct TDialogKey {
  // The character the key types on the active layout with Shift as pressed and without
  // Ctrl (Unicode: '@' on a Latin layout, U+2116 '№' on a Cyrillic one; for Ctrl+B the
  // letter 'b' or, on a Cyrillic layout, 'и').
  char32_t character = 0;
  bool control = false;
};

class TDialogKeyHandler {
public:
  virtual ~TDialogKeyHandler() = default;
  // True when the key was used.
  virtual bool KeyPressed(velplatform::TDialogControls& controls, const TDialogKey& key) = 0;
};

// The digit 1 … 6 whose key typed `character` with Shift on a Latin (!@#$%^) or a Cyrillic
// (!"№;%:) layout; 0 for any other character.
int ShiftedDigit(char32_t character);

// Ctrl with the key of a Latin letter, whichever layout is active: `latin` in either case
// or `cyrillic`, the letter of the same key on the Cyrillic layout, in either case.
bool IsControlKey(const TDialogKey& key, char latin, char32_t cyrillic);

} // namespace velarion::ui

#endif
