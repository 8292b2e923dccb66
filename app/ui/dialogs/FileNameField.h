// An edit that holds a file name: the controls speak CP1251, file names are UTF-8.
#ifndef VELARION_APP_UI_DIALOGS_FILENAMEFIELD_H
#define VELARION_APP_UI_DIALOGS_FILENAMEFIELD_H

#include "Cp1251.h"
#include "Dialogs.h"

#include <filesystem>
#include <string>

namespace velarion::ui {

inline std::string FileNameField(const velplatform::TDialogControls& controls, int32_t id) {
  return velplatform::Cp1251ToUtf8(controls.Text(id));
}

inline void SetFileNameField(velplatform::TDialogControls& controls, int32_t id,
                             const std::string& file) {
  controls.SetText(id, velplatform::Utf8ToCp1251(file));
}

// The folder of a saved file, ending with "/", to propose the next name in; `otherwise` for a
// name typed without one.
inline std::string FolderOf(const std::string& file, const std::string& otherwise) {
  const std::string folder = std::filesystem::path(file).parent_path().string();
  return folder.empty() ? otherwise : folder + "/";
}

}  // namespace velarion::ui

#endif
