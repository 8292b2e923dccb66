#include "UninstallQuestion.h"

#include "AboutForm.h"
#include "Cp1251.h"
#include "Dialogs.h"
#include "InstallFailureBox.h"
#include "InstallTexts.h"
#include "Uninstaller.h"

namespace velarion::ui {

namespace {

bool UserAgrees() {
  const velplatform::TMessageBoxRequest question{
      velplatform::Cp1251("Удалять Velarion из системы?"), std::string(kAboutVersion),
      velplatform::TMessageButtons::kYesNo, velplatform::TMessageIcon::kQuestion};
  return velplatform::ShowMessageBox(0, question) == velplatform::TMessageAnswer::kYes;
}

int Fail(const install::TInstallFailure& failure) {
  ShowInstallFailure(failure);
  return install::kInstallFailed;
}

}  // namespace

int RunUninstallQuestion(const install::TInstallCommand& command,
                         const std::filesystem::path& programFolder,
                         const install::TEnvironment& environment) {
  const auto places = install::XdgPlacesFrom(environment);
  if (!places) return Fail(NoDataFolderFailure());
  // Asked only when there is something to remove.
  const auto folder = install::InstalledFolder(programFolder, *places);
  if (!folder) return Fail({install::texts::UnknownFailure(), "no installation to remove"});
  if (!UserAgrees()) return 0;
  const install::TInstallReport report =
      install::Uninstall(*folder, *places, command.alsoUserFiles);
  if (report.failure) return Fail(*report.failure);
  velplatform::ShowMessageBox(
      0, {velplatform::Cp1251("Удаление завершено"), velplatform::Cp1251("Информация"),
          velplatform::TMessageButtons::kOk, velplatform::TMessageIcon::kInformation});
  return 0;
}

}  // namespace velarion::ui
