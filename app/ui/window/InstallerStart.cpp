#include "InstallerStart.h"

#include "InstallForm.h"
#include "ProgramFolder.h"
#include "QtDialogs.h"
#include "UninstallQuestion.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include <filesystem>

namespace velarion::ui {

namespace {

void OpenWithDesktop(const std::filesystem::path& file) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

}  // namespace

int RunInstallerWindow(char** argv, const install::TInstallCommand& command) {
  int qtArgumentCount = 1;  // Qt takes none of the program's arguments for its own
  QApplication application(qtArgumentCount, argv);
  velplatform::InstallQtDialogRunners();
  // ProgramFolder ends with "/": its parent path is the folder itself.
  const std::filesystem::path programFolder =
      std::filesystem::path(velplatform::ProgramFolder()).parent_path();
  const install::TEnvironment environment = install::ProcessEnvironment();
  if (command.uninstall) return RunUninstallQuestion(command, programFolder, environment);
  return RunInstallWindow(command, programFolder, environment, OpenWithDesktop);
}

}  // namespace velarion::ui
