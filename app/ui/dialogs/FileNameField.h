// An edit that holds a file name: the controls speak CP1251, file names are UTF-8.
#ifndef VELARION_APP_UI_DIALOGS_FILENAMEFIELD_H
#define VELARION_APP_UI_DIALOGS_FILENAMEFIELD_H

#include "Cp1251.h"
#include "Dialogs.h"

#include <string>

namespace velarion::ui {

inline std::string FileNameField(const velplatform::TDialogControls& controls, int32_t id) {
  return velplatform::Cp1251ToUtf8(controls.Text(id));
}

inline void SetFileNameField(velplatform::TDialogControls& controls, int32_t id,
                             const std::string& file) {
  controls.SetText(id, velplatform::Utf8ToCp1251(file));
}

}  // namespace velarion::ui

#endif
