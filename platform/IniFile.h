// A settings file on disk, read and written the way private-profile files are: every
// write reads the file as it is now, changes what it was asked to and writes the file
// back atomically, so that keys others wrote in the meantime (plug-ins during the run)
// survive a later write of the program, and a crash never leaves half a file.
#ifndef VELARION_PLATFORM_INI_FILE_H
#define VELARION_PLATFORM_INI_FILE_H

#include "AtomicFile.h"
#include "IniDocument.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velplatform {

class TIniFile {
 public:
  explicit TIniFile(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  // The file as it is now; an empty document when it does not exist.
  TIniDocument Load() const;
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;

  // Applies `edit` to the current contents and writes them back; false when the file
  // could not be written (it is then unchanged).
  bool Update(const std::function<void(TIniDocument&)>& edit,
              const TAtomicWriteHooks& hooks = {}) const;
  bool Write(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  std::string path_;
};

}  // namespace velplatform

#endif
