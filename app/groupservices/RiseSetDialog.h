// The window " Период видимости": rise, culmination and set of an object, with buttons that
// copy them to the clipboard or to the output console; the host export ShowRiseSettDialog
// (declared by HostInterface.h) shows it for the sky view.
#ifndef VELARION_APP_GROUPSERVICES_RISESETDIALOG_H
#define VELARION_APP_GROUPSERVICES_RISESETDIALOG_H

#include "Dialogs.h"
#include "HostExport.h"
#include "RiseSet.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velarion::solar {

// Control ids.
inline constexpr int32_t kRiseLabel = 101, kRiseTime = 102, kCulminationLabel = 103;
inline constexpr int32_t kCulminationTime = 104, kSetLabel = 105, kSetTime = 106;
inline constexpr int32_t kCopyButton = 107, kConsoleButton = 108, kExitButton = 2;

velplatform::TDialogLayout RiseSetDialogLayout();

class TRiseSetDialogLogic : public velplatform::TDialogLogic {
 public:
  explicit TRiseSetDialogLogic(const TRiseSetTimes& times) : times_(times) {}
  void Init(velplatform::TDialogControls& controls) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  // The two or three lines the copy buttons give.
  std::string CopiedLines() const;

 private:
  bool Circumpolar() const;
  TRiseSetTimes times_;
};

// Shows the window for the times, modally over `owner`.
void ShowRiseSetTimes(velplatform::TWindowHandle owner, const TRiseSetTimes& times);

}  // namespace velarion::solar

#endif
