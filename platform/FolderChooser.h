// The desktop's folder chooser: the program installs it with its window runners; tests
// install a recorder, and without a runner no folder is chosen.
#ifndef VELARION_PLATFORM_FOLDERCHOOSER_H
#define VELARION_PLATFORM_FOLDERCHOOSER_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velplatform {

using TWindowHandle = std::uintptr_t;

// A folder chosen starting from `initial` (a file-system path), under `title` (CP1251);
// none when the user cancels.
std::optional<std::string> ChooseFolder(TWindowHandle owner, std::string_view title,
                                        std::string_view initial);

using TFolderChooserRunner = std::function<std::optional<std::string>(
    TWindowHandle owner, std::string_view title, std::string_view initial)>;
void SetFolderChooserRunner(TFolderChooserRunner runner);

}  // namespace velplatform

#endif
