#include "PluginHost.h"

#include "PluginVer10.h"
#include "PluginVer20.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace velarion::groups {

namespace {

namespace fs = std::filesystem;

void Search(const fs::path& folder, std::set<fs::path>& visited, std::vector<std::string>& found) {
  std::error_code error;
  const fs::path real = fs::canonical(folder, error);
  if (error || !visited.insert(real).second) return;
  std::vector<fs::path> libraries;
  std::vector<fs::path> subfolders;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_directory(error)) {
      subfolders.push_back(entry.path());
    } else if (entry.path().extension() == ".so" && entry.is_regular_file(error)) {
      libraries.push_back(entry.path());
    }
  }
  std::sort(libraries.begin(), libraries.end());
  std::sort(subfolders.begin(), subfolders.end());
  for (const fs::path& library : libraries) found.push_back(library.string());
  for (const fs::path& subfolder : subfolders) Search(subfolder, visited, found);
}

}  // namespace

std::vector<std::string> FindPluginLibraries(const std::string& folder) {
  std::vector<std::string> found;
  std::set<fs::path> visited;
  Search(folder, visited, found);
  return found;
}

std::unique_ptr<TSkyObjectGroup> LoadPlugin(const std::string& path) {
  auto library = std::make_unique<velplatform::TSharedLibrary>(path);
  if (!library->Loaded()) return nullptr;
  if (library->Find("GetCatalogInfo") != nullptr) return TPluginVer10::Bind(std::move(library));
  if (library->Find("GetGroupInfo") != nullptr) return TPluginVer20::Bind(std::move(library));
  return nullptr;
}

}  // namespace velarion::groups
