#include "ProgramFiles.h"

#include "ProgramFolder.h"

#include <algorithm>
#include <system_error>

namespace velarion::install {

namespace {

namespace fs = std::filesystem;

// The data files the program cannot run without.
constexpr std::array<std::string_view, 7> kRequiredData = {
    "Bounds.dat",   "CLINES.DAT", "CONSTELL.DAT", "DEEPSKY.DAT",
    "STARNAME.DAT", "stars.dat",  "astrof.ttf"};
constexpr std::array<std::string_view, 4> kOptionalData = {"velsolar.dat", "astrof-LICENSE.txt",
                                                           "readme.txt", "whatsnew.txt"};
// A program folder holds some dozens of files; far more means a wrong folder.
constexpr std::size_t kMaxFolderEntries = 10000;

bool IsLibrary(const fs::path& name) {
  const std::string text = name.string();
  return text.starts_with("lib") &&
         (text.ends_with(".so") || text.find(".so.") != std::string::npos);
}

// Regular files directly in `folder` that pass `keep`, relative to `base`, sorted.
template <typename TKeep>
std::vector<fs::path> FilesIn(const fs::path& base, const fs::path& folder, TKeep keep) {
  std::vector<fs::path> files;
  std::error_code error;
  fs::directory_iterator entry(base / folder, error);
  for (std::size_t seen = 0;
       !error && entry != fs::directory_iterator() && seen < kMaxFolderEntries;
       entry.increment(error), ++seen) {
    if (entry->is_regular_file(error) && keep(entry->path().filename())) {
      files.push_back(folder / entry->path().filename());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

void AddDataFile(const fs::path& sourceFolder, std::string_view name, TShippedFiles& shipped,
                 bool required) {
  const auto found = velplatform::FindFileIgnoringCase(sourceFolder.string() + "/", name);
  if (found) {
    shipped.files.push_back(fs::path(*found).filename());
  } else if (required) {
    shipped.missing.push_back(name);
  }
}

}  // namespace

TShippedFiles ShippedFiles(const fs::path& sourceFolder) {
  TShippedFiles shipped;
  std::error_code error;
  if (fs::is_regular_file(sourceFolder / kProgramName, error)) {
    shipped.files.emplace_back(kProgramName);
  } else {
    shipped.missing.push_back(kProgramName);
  }
  for (auto& library : FilesIn(sourceFolder, {}, IsLibrary)) shipped.files.push_back(library);
  for (const auto name : kRequiredData) AddDataFile(sourceFolder, name, shipped, true);
  for (const auto name : kOptionalData) AddDataFile(sourceFolder, name, shipped, false);
  for (const auto folder : kSubfolders) {
    for (auto& file : FilesIn(sourceFolder, folder, [](const fs::path&) { return true; })) {
      shipped.files.push_back(file);
    }
  }
  return shipped;
}

}  // namespace velarion::install
