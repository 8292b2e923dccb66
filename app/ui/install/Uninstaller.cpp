#include "Uninstaller.h"

#include "AtomicFile.h"
#include "DesktopEntry.h"
#include "ExternalTool.h"
#include "InstallManifest.h"
#include "InstallTexts.h"
#include "ProgramFiles.h"
#include "UninstallScript.h"

#include <system_error>

namespace velarion::install {

namespace {

namespace fs = std::filesystem;

// State files a user keeps are many at most a few thousand.
constexpr std::size_t kMaxStateFiles = 100000;

bool HoldsInstallation(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(folder / kManifestName, error);
}

void RemoveListed(const fs::path& path, TInstallReport& report, std::size_t& removed) {
  std::error_code error;
  if (fs::remove(path, error)) {
    ++removed;
  } else if (error) {
    report.done.push_back("could not remove " + path.string() + ": " + error.message());
  }
}

std::vector<fs::path> UserFiles(const fs::path& folder) {
  std::vector<fs::path> files = {kCityList, kColourSchemes, kSettings};
  for (const auto name : kUserDefaults) files.emplace_back(name);
  std::error_code error;
  fs::directory_iterator entry(folder / "VLSFiles", error);
  for (std::size_t seen = 0; !error && entry != fs::directory_iterator() && seen < kMaxStateFiles;
       entry.increment(error), ++seen) {
    if (entry->path().extension() == ".vls") files.push_back("VLSFiles" / entry->path().filename());
  }
  return files;
}

void RemoveRegistrations(const TXdgPlaces& places, TInstallReport& report) {
  std::size_t removed = 0;
  for (const fs::path& path : {places.DesktopEntry(), places.Icon(), places.MimePackage()}) {
    RemoveListed(path, report, removed);
  }
  report.done.push_back("removed " + std::to_string(removed) + " desktop registrations");
  std::error_code error;
  if (fs::is_directory(places.MimeDatabase() / "packages", error)) {
    RunExternalTool({"update-mime-database", places.MimeDatabase().string()});
  }
}

}  // namespace

std::optional<fs::path> InstalledFolder(const fs::path& programFolder, const TXdgPlaces& places) {
  if (HoldsInstallation(programFolder)) return programFolder;
  if (const auto entry = velplatform::ReadWholeFile(places.DesktopEntry().string())) {
    if (auto folder = InstallFolderOfEntry(*entry); folder && HoldsInstallation(*folder)) {
      return folder;
    }
  }
  return std::nullopt;
}

TInstallReport Uninstall(const fs::path& installFolder, const TXdgPlaces& places,
                         bool alsoUserFiles) {
  TInstallReport report;
  const auto manifest = velplatform::ReadWholeFile((installFolder / kManifestName).string());
  const auto shipped = manifest ? ParseManifest(*manifest) : std::nullopt;
  if (!shipped) {
    report.failure = TInstallFailure{texts::UnknownFailure(),
                                     (installFolder / kManifestName).string() + ": unreadable"};
    return report;
  }
  RemoveRegistrations(places, report);
  std::size_t removed = 0;
  for (const fs::path& file : *shipped) RemoveListed(installFolder / file, report, removed);
  if (alsoUserFiles) {
    for (const fs::path& file : UserFiles(installFolder)) {
      RemoveListed(installFolder / file, report, removed);
    }
  }
  RemoveListed(installFolder / kUninstallScriptName, report, removed);
  RemoveListed(installFolder / kManifestName, report, removed);
  report.done.push_back("removed " + std::to_string(removed) + " files from " +
                        installFolder.string());
  for (const auto folder : kSubfolders) {
    std::error_code ignored;
    fs::remove(installFolder / folder, ignored);  // only when empty
  }
  std::error_code error;
  if (fs::remove(installFolder, error)) {
    report.done.push_back("removed " + installFolder.string());
  } else {
    report.done.push_back("kept " + installFolder.string() + " with the user's files");
  }
  return report;
}

}  // namespace velarion::install
