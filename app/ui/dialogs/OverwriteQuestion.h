// The question asked before a file the user named replaces one that is there.
#ifndef VELARION_APP_UI_DIALOGS_OVERWRITEQUESTION_H
#define VELARION_APP_UI_DIALOGS_OVERWRITEQUESTION_H

#include "Dialogs.h"

#include <string>

namespace velarion::ui {

// True when nothing is under `file` (UTF-8) or the user agreed to replace it.
bool MayWriteFile(velplatform::TWindowHandle owner, const std::string& file);

}  // namespace velarion::ui

#endif
