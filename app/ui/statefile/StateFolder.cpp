#include "StateFolder.h"

#include <filesystem>
#include <system_error>

namespace velarion::ui {

std::string StateFolder(const std::string& settingsFolder) {
  const std::string own = settingsFolder + "VLSFiles/";
  std::error_code error;
  return std::filesystem::is_directory(own, error) ? own : settingsFolder;
}

std::string DefaultStateFile(const std::string& settingsFolder) {
  return settingsFolder + "default.vls";
}

std::string ProposedStateFile(const std::string& folder, int32_t counter) {
  return folder + "state" + std::to_string(counter) + ".vls";
}

}  // namespace velarion::ui
