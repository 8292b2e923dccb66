// Reading the keys a dialog's logic answers itself (unit and compass shortcuts, Ctrl+letter
// switches) on Latin and Cyrillic layouts.
#ifndef VELARION_APP_UI_DIALOGS_DIALOGKEYS_H
#define VELARION_APP_UI_DIALOGS_DIALOGKEYS_H

#include "Dialogs.h"

namespace velarion::ui {

using velplatform::TDialogKey;

// The digit 1 … 6 whose key typed `character` with Shift on a Latin (!@#$%^) or a Cyrillic
// (!"№;%:) layout; 0 for any other character.
int ShiftedDigit(char32_t character);

// Ctrl with the key of a Latin letter, whichever layout is active: `latin` in either case
// or `cyrillic`, the letter of the same key on the Cyrillic layout, in either case.
bool IsControlKey(const TDialogKey& key, char latin, char32_t cyrillic);

}  // namespace velarion::ui

#endif
