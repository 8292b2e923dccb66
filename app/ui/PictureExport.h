// The picture export without a window: the configuration and every group loaded as for
// the window, a state file applied when one is named, one view rendered off-screen at the
// requested size, written as the picture kind the file's extension names.
// Nothing is written back to the settings.
#ifndef VELARION_APP_UI_PICTUREEXPORT_H
#define VELARION_APP_UI_PICTUREEXPORT_H

#include "ExportOptions.h"

#include <ostream>
#include <string>

namespace velarion::ui {

inline constexpr int kExportSucceeded = 0;
inline constexpr int kExportFailed = 2;

// The load log and any message go to `log`; the exit status of the run.
int RunPictureExport(const TExportOptions& options, const std::string& programFolder,
                     std::ostream& log);

}  // namespace velarion::ui

#endif
