#include "InstallForm.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "FolderChooser.h"
#include "InstallFailureBox.h"
#include "Installer.h"
#include "Progress.h"

#include <string>
#include <utility>

namespace velarion::ui {

namespace {

namespace fs = std::filesystem;
using velplatform::TControlKind;
using velplatform::TDialogControls;

constexpr std::string_view kCaption = "Установка Velarion 5.72";
constexpr std::string_view kNewsFile = "whatsnew.txt";

// The installation under the progress window; none when the user cancelled it.
std::optional<install::TInstallReport> InstallWithProgress(const install::TInstallRequest& request,
                                                           const install::TXdgPlaces& places) {
  install::TInstallReport report;
  bool cancelled = false;
  velplatform::RunWithProgress(0, velplatform::Cp1251(kCaption),
                               [&](const velplatform::TProgressReport& progress) {
                                 report = install::Install(request, places, [&](int32_t percent) {
                                   cancelled = !progress(percent);
                                   return !cancelled;
                                 });
                                 return !cancelled;
                               });
  if (cancelled) return std::nullopt;
  return report;
}

}  // namespace

TInstallForm::TInstallForm(TInstallFormSetup setup)
    : setup_(std::move(setup)), folder_(setup_.installFolder) {}

velplatform::TDialogLayout TInstallForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251(kCaption);
  layout.width = 260;
  layout.height = 98;
  layout.centredOnScreen = true;  // the installer has no window of its own below it
  layout.controls = {
      Control(0, TControlKind::kLabel, {6, 6, 120, 8}, "Папка для установки:"),
      Control(kFolder, TControlKind::kEdit, {6, 16, 226, 12}),
      Control(kBrowse, TControlKind::kButton, {236, 15, 18, 14}, "..."),
      Control(kMenuEntry, TControlKind::kCheckBox, {6, 34, 248, 10},
              "&Добавить ярлыки в меню программ"),
      Control(kOpenNews, TControlKind::kCheckBox, {6, 46, 248, 10},
              "Открыть файл \"whatsnew.txt\" после установки"),
      Control(kRegisterStateFiles, TControlKind::kCheckBox, {6, 58, 248, 10},
              "&Зарегистрировать тип \"vls\" (файл состояния Velarion)"),
      Control(kStart, TControlKind::kButton, {70, 76, 56, 16}, "&Старт"),
      Control(kExit, TControlKind::kCancelButton, {134, 76, 56, 16}, "&Выход"),
  };
  return layout;
}

void TInstallForm::Init(TDialogControls& controls) {
  ShowFolder(controls);
  controls.SetChecked(kMenuEntry, true);
  controls.SetChecked(kRegisterStateFiles, true);
  std::error_code error;
  const bool hasNews = fs::is_regular_file(setup_.sourceFolder / kNewsFile, error);
  controls.SetChecked(kOpenNews, hasNews);
  controls.SetEnabled(kOpenNews, hasNews);
}

void TInstallForm::Changed(TDialogControls& controls, int32_t id) {
  if (id != kFolder || updating_) return;
  folder_ = velplatform::Cp1251ToUtf8(controls.Text(kFolder));
}

bool TInstallForm::Command(TDialogControls& controls, int32_t id) {
  if (id == kBrowse) Browse(controls);
  return id == kStart && Start(controls);
}

void TInstallForm::ShowFolder(TDialogControls& controls) {
  const TSelfUpdate update(updating_);
  controls.SetText(kFolder, velplatform::Utf8ToCp1251(folder_.string()));
}

void TInstallForm::Browse(TDialogControls& controls) {
  const auto chosen = velplatform::ChooseFolder(
      0, velplatform::Cp1251("Выберите папку для установки:"), folder_.string());
  if (!chosen) return;
  folder_ = *chosen;
  ShowFolder(controls);
}

bool TInstallForm::Start(TDialogControls& controls) {
  if (folder_.empty()) {  // an empty name would install into whatever folder is current
    velplatform::Beep();
    controls.Focus(kFolder);
    return false;
  }
  const install::TInstallRequest request{
      setup_.sourceFolder, fs::absolute(folder_).lexically_normal(), controls.Checked(kMenuEntry),
      controls.Checked(kRegisterStateFiles)};
  const auto report = InstallWithProgress(request, setup_.places);
  if (!report) return false;  // taken back whole; the user may choose again
  if (report->failure) {
    outcome_ = TInstallOutcome::kFailed;
    ShowInstallFailure(*report->failure);
    return true;
  }
  outcome_ = TInstallOutcome::kInstalled;
  velplatform::ShowMessageBox(
      0, {velplatform::Cp1251("Установка успешно завершена"), velplatform::Cp1251("Информация"),
          velplatform::TMessageButtons::kOk, velplatform::TMessageIcon::kInformation});
  if (controls.Enabled(kOpenNews) && controls.Checked(kOpenNews)) {
    newsToOpen_ = request.installFolder / kNewsFile;
  }
  return true;
}

int RunInstallWindow(const install::TInstallCommand& command, const fs::path& programFolder,
                     const install::TEnvironment& environment, const TOpenFile& openFile) {
  const auto places = install::XdgPlacesFrom(environment);
  if (!places) {
    ShowInstallFailure(NoDataFolderFailure());
    return install::kInstallFailed;
  }
  const fs::path folder =
      command.folder.empty() ? install::DefaultInstallFolder(*places) : command.folder;
  TInstallForm form({programFolder, folder, *places});
  velplatform::RunDialog(0, TInstallForm::Layout(), form);
  if (form.NewsToOpen() && openFile) openFile(*form.NewsToOpen());
  return form.Outcome() == TInstallOutcome::kFailed ? install::kInstallFailed : 0;
}

}  // namespace velarion::ui
