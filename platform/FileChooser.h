// The file chooser of a "..." button: the desktop's save dialog once the program runs its
// window; tests install a recorder, and without a runner the user is taken to cancel.
#ifndef VELARION_PLATFORM_FILECHOOSER_H
#define VELARION_PLATFORM_FILECHOOSER_H

#include "Dialogs.h"

#include <functional>
#include <optional>
#include <string>

namespace velplatform {

struct TSaveFileRequest {
  std::string file;              // UTF-8: the folder and name offered
  std::string filterCaption;     // CP1251, e.g. "Файл состояния Velarion"
  std::string defaultExtension;  // without its dot: added to a name typed without one
};

// The file (UTF-8) the user chose to write, or none when cancelled.
std::optional<std::string> ChooseFileToSave(TWindowHandle owner, const TSaveFileRequest& request);

using TSaveFileRunner =
    std::function<std::optional<std::string>(TWindowHandle, const TSaveFileRequest&)>;
void SetSaveFileRunner(TSaveFileRunner runner);

}  // namespace velplatform

#endif
