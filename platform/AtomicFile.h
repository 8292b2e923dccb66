// Whole-file reads and crash-safe whole-file writes.
#ifndef VELARION_PLATFORM_ATOMIC_FILE_H
#define VELARION_PLATFORM_ATOMIC_FILE_H

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velplatform {

// The file's bytes, or none when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Points where a test can interrupt a write.
struct TAtomicWriteHooks {
  std::function<void()> beforeRename;  // the new text is complete in the temporary file
};

// Writes the bytes to a temporary file beside `path`, flushes it to the disk and renames
// it over `path`, so that the file is at every moment either the old one or the new one.
// False (and the old file untouched) when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const TAtomicWriteHooks& hooks = {});

}  // namespace velplatform

#endif
