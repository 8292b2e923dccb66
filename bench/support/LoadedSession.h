// The program's session as the window would have it, for the benchmarks that draw the sky:
// every group of the build folder loaded (the build folder is the program folder) and shown
// where it can be, at a fixed moment, the picture `width` × `height` at `zoom`.
#ifndef VELARION_BENCH_SUPPORT_LOADEDSESSION_H
#define VELARION_BENCH_SUPPORT_LOADEDSESSION_H

#include "HeadlessView.h"
#include "ProgramFolder.h"
#include "SkySession.h"

#include <atomic>
#include <memory>

namespace velbench {

inline std::unique_ptr<velarion::ui::TSkySession> LoadedSession(int32_t width, int32_t height,
                                                                int32_t zoom) {
  auto session = std::make_unique<velarion::ui::TSkySession>(
      velplatform::ProgramFolder(), velarion::sky::TScreenMetrics{96.0, 96.0, height - 3, 16},
      velarion::sky::SystemClock());
  velarion::ui::TSilentLoadLog log;
  const std::atomic<bool> terminated{false};
  session->ShowInOfferedModes(session->LoadGroups(log, false, terminated));
  velarion::sky::TSkyImage& image = session->Image();
  image.SetLocalTime({10, 12, 2026, 22, 0, 0});
  image.SetPictureView(width, height, zoom);
  return session;
}

}  // namespace velbench

#endif
