#include "Progress.h"

#include <utility>

namespace velplatform {

namespace {

TProgressRunner& Runner() {
  static TProgressRunner runner;
  return runner;
}

}  // namespace

bool RunWithProgress(TWindowHandle owner, std::string_view text, const TProgressWork& work) {
  if (const TProgressRunner& runner = Runner()) return runner(owner, text, work);
  return work([](int32_t /*percent*/) { return true; });
}

void SetProgressRunner(TProgressRunner runner) { Runner() = std::move(runner); }

}  // namespace velplatform
