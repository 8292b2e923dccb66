// Long work (tables, path fits) tells how far it has come and learns whether to go on: the
// window shows a bar with a cancel button, a command line shows nothing, tests record.
#ifndef VELARION_PLATFORM_PROGRESS_H
#define VELARION_PLATFORM_PROGRESS_H

#include <cstdint>
#include <functional>
#include <string_view>

namespace velplatform {

using TWindowHandle = std::uintptr_t;

// Called with 0 … 100 as the work goes on; false: the user cancelled, stop and clean up.
using TProgressReport = std::function<bool(int32_t percent)>;

// The work, given the report to call; false when it stopped before its end.
using TProgressWork = std::function<bool(const TProgressReport& report)>;

// Runs the work while a window over `owner` shows `text` (CP1251) above a bar; true when
// the work ran to its end. Without a runner the work runs unwatched and is never cancelled.
bool RunWithProgress(TWindowHandle owner, std::string_view text, const TProgressWork& work);

using TProgressRunner =
    std::function<bool(TWindowHandle owner, std::string_view text, const TProgressWork& work)>;
void SetProgressRunner(TProgressRunner runner);

}  // namespace velplatform

#endif
