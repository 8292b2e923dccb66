// TInstallForm ("Установка Velarion 5.72"): the install folder, typed or chosen, what to
// register with the desktop, and "&Старт", which installs under a progress window and
// closes the window once the installation is done or has failed (a failed one is taken
// back whole, so nothing is left to retry in place). "&Выход" leaves without installing.
#ifndef VELARION_APP_UI_DIALOGS_INSTALLFORM_H
#define VELARION_APP_UI_DIALOGS_INSTALLFORM_H

#include "Dialogs.h"
#include "InstallCommand.h"
#include "XdgPlaces.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace velarion::ui {

struct TInstallFormSetup {
  std::filesystem::path sourceFolder;   // the program folder the installer runs from
  std::filesystem::path installFolder;  // shown first
  install::TXdgPlaces places;
};

enum class TInstallOutcome : uint8_t { kLeft, kInstalled, kFailed };

class TInstallForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kFolder = 101;
  static constexpr int32_t kBrowse = 102;
  static constexpr int32_t kMenuEntry = 103;
  static constexpr int32_t kOpenNews = 104;
  static constexpr int32_t kRegisterStateFiles = 105;
  static constexpr int32_t kStart = 106;
  static constexpr int32_t kExit = 2;

  explicit TInstallForm(TInstallFormSetup setup);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;

  TInstallOutcome Outcome() const { return outcome_; }
  // The news text of the new installation, when the user asked to see it.
  const std::optional<std::filesystem::path>& NewsToOpen() const { return newsToOpen_; }

 private:
  void ShowFolder(velplatform::TDialogControls& controls);
  void Browse(velplatform::TDialogControls& controls);
  bool Start(velplatform::TDialogControls& controls);

  TInstallFormSetup setup_;
  // Kept as the file system spells it: the edit shows CP1251, which not every name fits.
  std::filesystem::path folder_;
  bool updating_ = false;
  TInstallOutcome outcome_ = TInstallOutcome::kLeft;
  std::optional<std::filesystem::path> newsToOpen_;
};

// Opens a file with the desktop's program for it.
using TOpenFile = std::function<void(const std::filesystem::path& file)>;

// `velarion /install` with a window: the installer window preset to the command's folder
// (else the default one), from `programFolder`. Exit status as RunInstallCommand's.
int RunInstallWindow(const install::TInstallCommand& command,
                     const std::filesystem::path& programFolder,
                     const install::TEnvironment& environment, const TOpenFile& openFile);

}  // namespace velarion::ui

#endif
