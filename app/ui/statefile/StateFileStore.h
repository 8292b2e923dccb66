// State files on disk: read whole and checked before anything of them is used, written
// through a temporary file renamed into place, and loaded into a view.
#ifndef VELARION_APP_UI_STATEFILE_STATEFILESTORE_H
#define VELARION_APP_UI_STATEFILE_STATEFILESTORE_H

#include "StateFile.h"
#include "StateOfView.h"

#include <cstdint>
#include <string>
#include <variant>

namespace velarion::ui {

// Far more than any list of groups needs; a larger file is not a state file.
inline constexpr std::uintmax_t kMaxStateFileBytes = 1 << 20;

// The file's parts, or the message that names the file, the line and what is wrong
// (CP1251; `path` is UTF-8, as file names are).
std::variant<TStateFile, std::string> ReadStateFile(const std::string& path);

// False when the file could not be written; the old file is then left as it was.
bool WriteStateFile(const std::string& path, const TStateFile& state);

// Reads the file and, only when the whole of it is readable, applies it to the view.
std::variant<TStateFollowUp, std::string> LoadStateFile(const std::string& path,
                                                        const TStateView& view);

}  // namespace velarion::ui

#endif
