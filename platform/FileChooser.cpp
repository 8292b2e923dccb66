#include "FileChooser.h"

#include <utility>

namespace velplatform {

namespace {

TSaveFileRunner& Runner() {
  static TSaveFileRunner runner;
  return runner;
}

}  // namespace

std::optional<std::string> ChooseFileToSave(TWindowHandle owner, const TSaveFileRequest& request) {
  if (const TSaveFileRunner& runner = Runner()) return runner(owner, request);
  return std::nullopt;
}

void SetSaveFileRunner(TSaveFileRunner runner) { Runner() = std::move(runner); }

}  // namespace velplatform
