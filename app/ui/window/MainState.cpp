// The main window's state files: restoring one chosen by the user, named on the command
// line, handed over by a second start or left as "default.vls" for the start.
#include "MainUnit.h"
#include "WindowTexts.h"

#include "FileNameField.h"
#include "SaveStateForm.h"
#include "StateFileStore.h"
#include "StateFolder.h"

#include <QApplication>
#include <QFileDialog>

#include <cmath>
#include <filesystem>
#include <system_error>

namespace velarion::ui {

namespace {

// The pixel of the picture that a state's point of view names, in the layout as it is.
QPoint PicturePointOf(const TStateSkyPoint& point, const sky::TSkyImage& image) {
  return {
      static_cast<int>(std::lround(image.Radius() * point.x + image.CentreX())),
      static_cast<int>(std::lround(image.Radius() * point.y * image.YScale() + image.CentreY()))};
}

}  // namespace

std::string TVelarionMainForm::StateFolderNow() const {
  return stateFolder_.empty() ? StateFolder(session_->SettingsFolder()) : stateFolder_;
}

void TVelarionMainForm::SaveStateClick() {
  std::array<bool, 7>& remembered = session_->Configuration().sky.saveStateFlags;
  const sky::TSkyImage& image = Image();
  const TSaveStateSetup setup{ProposedStateFile(StateFolderNow(), stateCounter_),
                              DefaultStateFile(session_->SettingsFolder()), remembered,
                              image.Mjd() + image.TimeZone() / 24.0, image.TimeZone()};
  TSaveStateForm form(Handle(), setup,
                      [this](const TSaveStateChoice& choice) { return WriteState(choice); });
  if (velplatform::RunDialog(Handle(), TSaveStateForm::Layout(), form)) {
    const TSaveStateChoice& choice = form.Choice();
    remembered = choice.parts;
    if (choice.file == setup.proposedFile) ++stateCounter_;
    stateFolder_ = FolderOf(choice.file, StateFolderNow());
  }
  AfterModalDialog();
}

bool TVelarionMainForm::WriteState(const TSaveStateChoice& choice) {
  const QSize size = skyArea_->viewport()->size();
  const QPoint middle = PicturePoint({size.width() / 2, size.height() / 2});
  const TStateCapture capture{
      choice.parts, static_cast<double>(middle.x()), static_cast<double>(middle.y()),
      tracking_,    choice.autoRotationStart,        choice.autoRotationStopMjdUt};
  const TStateView view{Image(), session_->Configuration().sky.autoRotation, session_->Groups()};
  return WriteStateFile(choice.file, CaptureState(view, capture));
}

void TVelarionMainForm::RestoreStateClick() {
  const std::string folder = StateFolderNow();
  const QString file = QFileDialog::getOpenFileName(this, Ru("Восстановить состояние"),
                                                    QString::fromStdString(folder),
                                                    Ru("Файл состояния Velarion (*.vls)"));
  if (!file.isEmpty()) LoadState(file.toStdString());
  AfterModalDialog();
}

// "default.vls" when no state file was named at start and one is there.
std::string TVelarionMainForm::StartStateFile() const {
  if (!options_.stateFile.empty()) return options_.stateFile;
  const std::string standard = DefaultStateFile(session_->SettingsFolder());
  std::error_code error;
  return std::filesystem::is_regular_file(standard, error) ? standard : std::string();
}

void TVelarionMainForm::LoadState(const std::string& path) {
  auto loaded = LoadStateFile(
      path, {Image(), session_->Configuration().sky.autoRotation, session_->Groups()});
  if (const auto* message = std::get_if<std::string>(&loaded)) {
    velplatform::ShowError(Handle(), *message);
    return;
  }
  FollowState(std::get<TStateFollowUp>(loaded));
}

void TVelarionMainForm::FollowState(const TStateFollowUp& followUp) {
  if (followUp.skyPoint) {
    SetZoomAround(followUp.skyPoint->zoom, false, true, true, 0, 0);
    // The sky area takes its size for the new view first: the arrow pad comes or goes,
    // the tool bar's layout changes, then the window's.
    for (int pass = 0; pass < 3; ++pass) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    CentreOnPicturePoint(PicturePointOf(*followUp.skyPoint, Image()), false);
  }
  if (followUp.anythingApplied) requests_.Post(TRefreshRequest{true, {}});
  requests_.Post(TToolBarRequest{});
  if (followUp.autoRotationStopMjdUt) autoRotation_.SetStop(*followUp.autoRotationStopMjdUt);
  if (followUp.startAutoRotation) requests_.Post(TAutoRotationOnRequest{});
  if (followUp.showSelection) requests_.Post(TRepaintRequest{});
  if (followUp.tracking) requests_.Post(TTrackingRequest{*followUp.tracking});
}

void TVelarionMainForm::ReceiveStateFile(const std::string& name) {
  stateFiles_.Receive(name);
  FlushStateFiles();
}

void TVelarionMainForm::FlushStateFiles() {
  if (!started_) return;
  for (const std::string& name :
       stateFiles_.TakeReady(QApplication::activeModalWidget() != nullptr)) {
    LoadState(name);
  }
}

}  // namespace velarion::ui
