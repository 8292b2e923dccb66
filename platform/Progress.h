// Long work (tables, path fits) tells how far it has come and learns whether to go on: the
// window shows a bar with a cancel button, a command line shows nothing, tests record.
#ifndef VELARION_PLATFORM_PROGRESS_H
#define VELARION_PLATFORM_PROGRESS_H

#include <cstdint>
#include <functional>

namespace velplatform {

// Called with 0 … 100 as the work goes on; false: the user cancelled, stop and clean up.
using TProgressReport = std::function<bool(int32_t percent)>;

}  // namespace velplatform

#endif
