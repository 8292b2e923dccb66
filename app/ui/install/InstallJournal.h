// The changes an installation makes, recorded so that a failure midway takes them all
// back: a file it replaces is first moved aside in its own folder, a folder it creates is
// noted. Until Commit, destroying the journal undoes everything in reverse order.
#ifndef VELARION_APP_UI_INSTALL_INSTALLJOURNAL_H
#define VELARION_APP_UI_INSTALL_INSTALLJOURNAL_H

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velarion::install {

class TInstallJournal {
 public:
  TInstallJournal() = default;
  TInstallJournal(const TInstallJournal&) = delete;
  TInstallJournal& operator=(const TInstallJournal&) = delete;
  ~TInstallJournal();

  // Each returns the failure, or an empty error code. A replaced file is first written in
  // full beside its target and then renamed over it.
  std::error_code CreateFolders(const std::filesystem::path& folder);
  std::error_code CopyFile(const std::filesystem::path& from, const std::filesystem::path& to);
  std::error_code WriteFile(const std::filesystem::path& to, std::string_view bytes);
  std::error_code RemoveFile(const std::filesystem::path& path);

  // Keeps the changes and drops the copies of what they replaced.
  void Commit();
  // Undoes the changes (also done by the destructor before a Commit).
  void Rollback();

 private:
  struct TChange {
    std::filesystem::path path;
    std::filesystem::path setAside;  // the earlier file; empty: there was none
    bool folder = false;
  };

  std::error_code SetAside(const std::filesystem::path& path);
  std::error_code Place(const std::filesystem::path& to, const std::filesystem::path& written);

  std::vector<TChange> changes_;
};

}  // namespace velarion::install

#endif
