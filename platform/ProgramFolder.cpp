#include "ProgramFolder.h"

#include "Cp1251.h"

#include <dirent.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

namespace velplatform {

namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string ProgramFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "./";
  return WithSlash(exe.parent_path().string());
}

std::string SettingsFolder(const std::string& programFolder) {
  return SettingsFolder(programFolder, ::access(programFolder.c_str(), W_OK) == 0);
}

std::string SettingsFolder(const std::string& programFolder, bool programFolderWritable) {
  if (programFolderWritable) return WithSlash(programFolder);
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::string(home) + "/.config";
  } else {
    base = "/tmp";
  }
  const std::string folder = WithSlash(base) + "velarion/";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return folder;
}

std::optional<std::string> FindFileIgnoringCase(const std::string& folder, std::string_view name) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return std::nullopt;
  std::optional<std::string> found;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view candidate = entry->d_name;
    if (candidate == name) return WithSlash(folder) + std::string(candidate);  // exact wins
    if (!found && EqualsIgnoringCase(candidate, name)) {
      found = WithSlash(folder) + std::string(candidate);
    }
  }
  return found;
}

}  // namespace velplatform
