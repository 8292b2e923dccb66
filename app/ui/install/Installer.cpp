#include "Installer.h"

#include "AtomicFile.h"
#include "CityMerge.h"
#include "ColourConversion.h"
#include "DesktopEntry.h"
#include "ExternalTool.h"
#include "InstallJournal.h"
#include "InstallManifest.h"
#include "InstallTexts.h"
#include "MimePackage.h"
#include "ProgramFiles.h"
#include "UninstallScript.h"

#include <array>
#include <functional>
#include <system_error>

namespace velarion::install {

namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return Exists(a) && Exists(b) && fs::equivalent(a, b, error);
}

TInstallFailure Failure(std::string title, const fs::path& path, std::string_view reason) {
  return {std::move(title), path.string() + ": " + std::string(reason)};
}

// One installation in progress: its request, its journal and what it has done so far.
class TInstallation {
 public:
  TInstallation(const TInstallRequest& request, const TXdgPlaces& places)
      : request_(request),
        places_(places),
        source_(request.sourceFolder),
        target_(request.installFolder) {}

  TInstallReport Run(const velplatform::TProgressReport& progress) {
    using TStep = std::optional<TInstallFailure> (TInstallation::*)();
    constexpr std::array<TStep, 7> kSteps = {
        &TInstallation::CheckSource,  &TInstallation::CreateFolders, &TInstallation::CopyProgram,
        &TInstallation::KeepCityList, &TInstallation::KeepUserFiles, &TInstallation::KeepSettings,
        &TInstallation::Register};
    for (std::size_t step = 0; step < kSteps.size(); ++step) {
      if (auto failure = (this->*kSteps[step])()) return Stopped(std::move(*failure));
      const int percent = static_cast<int>((step + 1) * 100 / (kSteps.size() + 1));
      if (progress && !progress(percent)) {
        return Stopped({texts::UnknownFailure(), "cancelled"});
      }
    }
    journal_.Commit();
    UpdateMimeDatabase();
    if (progress) progress(100);
    return std::move(report_);
  }

 private:
  TInstallReport Stopped(TInstallFailure failure) {
    journal_.Rollback();
    report_.done.clear();
    report_.failure = std::move(failure);
    return std::move(report_);
  }

  std::optional<TInstallFailure> CheckSource() {
    shipped_ = ShippedFiles(source_);
    if (!shipped_.missing.empty()) {
      return Failure(texts::CopyFailed(), source_ / shipped_.missing.front(), "missing");
    }
    return std::nullopt;
  }

  std::optional<TInstallFailure> CreateFolders() {
    for (const auto folder : kSubfolders) {
      if (const auto error = journal_.CreateFolders(target_ / folder)) {
        return Failure(texts::CopyFailed(), target_ / folder, error.message());
      }
    }
    for (const auto name : kObsoleteFiles) {
      if (const auto error = journal_.RemoveFile(target_ / name)) {
        return Failure(texts::CopyFailed(), target_ / name, error.message());
      }
    }
    return std::nullopt;
  }

  std::optional<TInstallFailure> CopyProgram() {
    if (SameFolder(source_, target_)) {
      report_.done.push_back("program files already in " + target_.string());
      return std::nullopt;
    }
    for (const fs::path& file : shipped_.files) {
      if (const auto error = journal_.CopyFile(source_ / file, target_ / file)) {
        return Failure(texts::CopyFailed(), target_ / file, error.message());
      }
    }
    report_.done.push_back("copied " + std::to_string(shipped_.files.size()) + " files to " +
                           target_.string());
    return std::nullopt;
  }

  std::optional<TInstallFailure> CopyWhenMissing(std::string_view name) {
    if (Exists(target_ / name) || !Exists(source_ / name)) return std::nullopt;
    if (const auto error = journal_.CopyFile(source_ / name, target_ / name)) {
      return Failure(texts::CopyFailed(), target_ / name, error.message());
    }
    report_.done.push_back("added " + std::string(name));
    return std::nullopt;
  }

  std::optional<TInstallFailure> KeepCityList() {
    const fs::path target = target_ / kCityList;
    if (!Exists(target)) return CopyWhenMissing(kCityList);
    const auto shipped = velplatform::ReadWholeFile((source_ / kCityList).string());
    const auto user = velplatform::ReadWholeFile(target.string());
    if (!shipped || !user) {
      report_.done.push_back("kept " + target.string() + " (not merged: unreadable)");
      return std::nullopt;
    }
    const TCityMerge merge = MergeCities(*user, *shipped);
    if (merge.inserted == 0) return std::nullopt;
    if (const auto error = journal_.WriteFile(target, merge.text)) {
      return Failure(texts::CopyFailed(), target, error.message());
    }
    report_.done.push_back("merged " + std::to_string(merge.inserted) + " cities into " +
                           target.string());
    return std::nullopt;
  }

  std::optional<TInstallFailure> KeepUserFiles() {
    schemesAdded_ = !Exists(target_ / kColourSchemes) && Exists(source_ / kColourSchemes);
    if (auto failure = CopyWhenMissing(kColourSchemes)) return failure;
    for (const auto name : kUserDefaults) {
      if (auto failure = CopyWhenMissing(name)) return failure;
    }
    return std::nullopt;
  }

  std::optional<TInstallFailure> KeepSettings() {
    const fs::path target = target_ / kSettings;
    if (!Exists(target)) {
      if (auto failure = CopyWhenMissing(kSettings)) return failure;
      if (schemesAdded_ && Exists(target)) return ConvertSettings(target, true);
      return std::nullopt;
    }
    return ConvertSettings(target, false);
  }

  // Earlier colour lists become schemes; a new copy of the shipped settings starts with the
  // colour screen scheme.
  std::optional<TInstallFailure> ConvertSettings(const fs::path& target, bool freshCopy) {
    const auto text = velplatform::ReadWholeFile(target.string());
    if (!text) return std::nullopt;
    velplatform::TIniDocument settings = velplatform::TIniDocument::Parse(*text);
    sky::TColorSchemes schemes;
    const bool schemesReadable = !Exists(target_ / kColourSchemes) ||
                                 velplatform::ReadWholeFile((target_ / kColourSchemes).string());
    schemes.Load(target_.string() + "/");
    bool schemesChanged = false;
    if (freshCopy) {
      settings.Set("Sky", "ScreenColor", "1");
    } else {
      schemesChanged = ConvertEarlierColours(settings, schemes) && schemesReadable;
    }
    if (schemesChanged) {
      if (auto failure = WriteSchemes(schemes)) return failure;
    }
    const std::string converted = settings.Serialize();
    if (converted == *text) return std::nullopt;
    if (const auto error = journal_.WriteFile(target, converted)) {
      return Failure(texts::CopyFailed(), target, error.message());
    }
    report_.done.push_back("converted the colour settings in " + target.string());
    return std::nullopt;
  }

  // The schemes writer writes into a folder; a scratch folder beside keeps the journal's
  // undo for the real file.
  std::optional<TInstallFailure> WriteSchemes(const sky::TColorSchemes& schemes) {
    const fs::path scratch = target_ / ".colors-conversion";
    std::error_code error;
    fs::create_directory(scratch, error);
    const bool saved = !error && schemes.Save(scratch.string() + "/");
    if (saved) error = journal_.CopyFile(scratch / kColourSchemes, target_ / kColourSchemes);
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    if (!saved || error) {
      return Failure(texts::CopyFailed(), target_ / kColourSchemes,
                     error ? error.message() : "not written");
    }
    return std::nullopt;
  }

  std::optional<TInstallFailure> Place(const fs::path& path, std::string_view text,
                                       std::string title) {
    if (auto error = journal_.CreateFolders(path.parent_path())) {
      return Failure(std::move(title), path.parent_path(), error.message());
    }
    if (auto error = journal_.WriteFile(path, text)) {
      return Failure(std::move(title), path, error.message());
    }
    report_.done.push_back("wrote " + path.string());
    return std::nullopt;
  }

  std::optional<TInstallFailure> Register() {
    const TDesktopEntryOptions options{request_.menuEntry, request_.registerStateFiles};
    const std::string entry = DesktopEntryText(target_ / kProgramName, target_, options);
    const std::string script = UninstallScriptText(target_, shipped_.files, places_);
    std::optional<TInstallFailure> failure =
        Place(places_.DesktopEntry(), entry, texts::MenuEntryFailed());
    if (!failure) failure = Place(places_.Icon(), IconText(), texts::MenuEntryFailed());
    if (!failure && request_.registerStateFiles) {
      failure = Place(places_.MimePackage(), MimePackageText(), texts::RegistrationFailed());
    }
    if (!failure) {
      failure =
          Place(target_ / kManifestName, ManifestText(shipped_.files), texts::RegistrationFailed());
    }
    if (!failure) {
      failure = Place(target_ / kUninstallScriptName, script, texts::RegistrationFailed());
    }
    if (failure) return failure;
    std::error_code error;
    fs::permissions(target_ / kUninstallScriptName, fs::perms::owner_exec | fs::perms::group_exec,
                    fs::perm_options::add, error);
    return std::nullopt;
  }

  // The database is derived from the packages; a missing updater leaves it to the desktop.
  void UpdateMimeDatabase() {
    if (!request_.registerStateFiles) return;
    const auto status = RunExternalTool({"update-mime-database", places_.MimeDatabase().string()});
    if (!status) {
      report_.done.push_back("update-mime-database not found; the desktop updates the types");
    } else if (*status != 0) {
      report_.done.push_back("update-mime-database failed with status " + std::to_string(*status));
    } else {
      report_.done.push_back("updated " + places_.MimeDatabase().string());
    }
  }

  const TInstallRequest& request_;
  const TXdgPlaces& places_;
  fs::path source_;
  fs::path target_;
  TShippedFiles shipped_;
  TInstallJournal journal_;
  TInstallReport report_;
  bool schemesAdded_ = false;
};

}  // namespace

std::filesystem::path DefaultInstallFolder(const TXdgPlaces& places) {
  if (const auto entry = velplatform::ReadWholeFile(places.DesktopEntry().string())) {
    if (const auto folder = InstallFolderOfEntry(*entry);
        folder && Exists(*folder / kManifestName)) {
      return *folder;
    }
  }
  return places.DefaultInstallFolder();
}

TInstallReport Install(const TInstallRequest& request, const TXdgPlaces& places,
                       const velplatform::TProgressReport& progress) {
  return TInstallation(request, places).Run(progress);
}

}  // namespace velarion::install
