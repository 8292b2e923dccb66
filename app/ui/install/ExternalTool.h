// Running a desktop tool of the system (the MIME database updater) that may be missing.
#ifndef VELARION_APP_UI_INSTALL_EXTERNALTOOL_H
#define VELARION_APP_UI_INSTALL_EXTERNALTOOL_H

#include <optional>
#include <string>
#include <vector>

namespace velarion::install {

// Runs the command found on PATH, its output discarded, and waits for it; its exit status,
// or none when it could not be started.
std::optional<int> RunExternalTool(const std::vector<std::string>& command);

}  // namespace velarion::install

#endif
