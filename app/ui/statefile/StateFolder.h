// Where state files live: "VLSFiles" in the settings folder when it exists, else the
// settings folder itself (the program folder when that is writable); "default.vls" there
// is restored at start.
#ifndef VELARION_APP_UI_STATEFILE_STATEFOLDER_H
#define VELARION_APP_UI_STATEFILE_STATEFOLDER_H

#include <cstdint>
#include <string>

namespace velarion::ui {

// `settingsFolder` and the answer end with "/".
std::string StateFolder(const std::string& settingsFolder);

// The file restored at start.
std::string DefaultStateFile(const std::string& settingsFolder);

// The name the save dialog proposes: "state" and the counter, in `folder` as it is spelt
// (folders keep their case: the file system tells them apart by it).
std::string ProposedStateFile(const std::string& folder, int32_t counter);

}  // namespace velarion::ui

#endif
