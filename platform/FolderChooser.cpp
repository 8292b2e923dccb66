#include "FolderChooser.h"

#include <utility>

namespace velplatform {

namespace {

TFolderChooserRunner& Runner() {
  static TFolderChooserRunner runner;
  return runner;
}

}  // namespace

std::optional<std::string> ChooseFolder(TWindowHandle owner, std::string_view title,
                                        std::string_view initial) {
  if (const TFolderChooserRunner& runner = Runner()) return runner(owner, title, initial);
  return std::nullopt;
}

void SetFolderChooserRunner(TFolderChooserRunner runner) { Runner() = std::move(runner); }

}  // namespace velplatform
