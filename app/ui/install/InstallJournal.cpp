#include "InstallJournal.h"

#include "AtomicFile.h"

#include <unistd.h>

#include <ranges>

namespace velarion::install {

namespace {

namespace fs = std::filesystem;

// Enough tries to pass stale names left by an interrupted run.
constexpr int kMaxNameTries = 1000;

// A hidden name beside `path`, in the same folder so that renames stay on one file system.
fs::path FreeNameBeside(const fs::path& path, std::string_view role) {
  const std::string stem =
      "." + path.filename().string() + "." + std::string(role) + "-" + std::to_string(::getpid());
  for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
    fs::path candidate = path.parent_path() / (stem + "-" + std::to_string(attempt));
    std::error_code error;
    if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
  }
  return path.parent_path() / (stem + "-last");
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

}  // namespace

TInstallJournal::~TInstallJournal() { Rollback(); }

std::error_code TInstallJournal::CreateFolders(const fs::path& folder) {
  std::vector<fs::path> missing;
  for (fs::path at = folder; !at.empty() && !Exists(at) && at != at.parent_path();
       at = at.parent_path()) {
    missing.push_back(at);
  }
  for (const fs::path& at : std::views::reverse(missing)) {
    std::error_code error;
    fs::create_directory(at, error);
    if (error) return error;
    changes_.push_back({at, {}, true});
  }
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    return error ? error : std::make_error_code(std::errc::not_a_directory);
  }
  return {};
}

std::error_code TInstallJournal::CopyFile(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (Exists(to) && fs::equivalent(from, to, error)) return {};
  const fs::path written = FreeNameBeside(to, "new");
  fs::copy_file(from, written, error);
  if (error) {
    fs::remove(written, error);
    return std::make_error_code(std::errc::io_error);
  }
  return Place(to, written);
}

std::error_code TInstallJournal::WriteFile(const fs::path& to, std::string_view bytes) {
  const fs::path written = FreeNameBeside(to, "new");
  if (!velplatform::WriteFileAtomically(written.string(), bytes)) {
    return std::make_error_code(std::errc::io_error);
  }
  return Place(to, written);
}

std::error_code TInstallJournal::RemoveFile(const fs::path& path) {
  if (!Exists(path)) return {};
  const fs::path aside = FreeNameBeside(path, "old");
  std::error_code error;
  fs::rename(path, aside, error);
  if (!error) changes_.push_back({path, aside, false});
  return error;
}

std::error_code TInstallJournal::Place(const fs::path& to, const fs::path& written) {
  fs::path aside;
  std::error_code error;
  if (Exists(to)) {
    aside = FreeNameBeside(to, "old");
    fs::rename(to, aside, error);
    if (error) {
      fs::remove(written, error);
      return std::make_error_code(std::errc::io_error);
    }
  }
  changes_.push_back({to, aside, false});
  fs::rename(written, to, error);
  if (error) {
    std::error_code ignored;
    fs::remove(written, ignored);
  }
  return error;
}

void TInstallJournal::Commit() {
  for (const TChange& change : changes_) {
    std::error_code ignored;
    if (!change.setAside.empty()) fs::remove(change.setAside, ignored);
  }
  changes_.clear();
}

void TInstallJournal::Rollback() {
  for (const TChange& change : std::views::reverse(changes_)) {
    std::error_code ignored;
    fs::remove(change.path, ignored);  // a folder only when empty again
    if (!change.setAside.empty()) fs::rename(change.setAside, change.path, ignored);
  }
  changes_.clear();
}

}  // namespace velarion::install
