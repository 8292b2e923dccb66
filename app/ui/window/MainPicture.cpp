// The main window's picture command: the sky the window shows saved as a file of the
// chosen size, kind and depth.
#include "MainUnit.h"

#include "FileNameField.h"
#include "SavePictureForm.h"

namespace velarion::ui {

void TVelarionMainForm::FileSaveWorkClick() {
  if (pictureFolder_.empty()) pictureFolder_ = session_->SettingsFolder();
  const QSize size = skyArea_->viewport()->size();
  TSavePictureForm form(Handle(), {pictureFolder_, pictureCounter_, size.width(), size.height()});
  if (velplatform::RunDialog(Handle(), TSavePictureForm::Layout(), form)) {
    const TPictureRequest& request = form.Choice();
    pictureFolder_ = FolderOf(request.file, pictureFolder_);
    if (const auto problem = SaveViewAsPicture(request)) {
      velplatform::ShowError(Handle(), *problem);
    } else {
      ++pictureCounter_;
    }
    requests_.Post(TRefreshRequest{true, {}});
  }
  AfterModalDialog();
}

std::optional<std::string> TVelarionMainForm::SaveViewAsPicture(const TPictureRequest& request) {
  sky::TSkyImage& image = Image();
  const QSize size = skyArea_->viewport()->size();
  const QPoint middle = PicturePoint({size.width() / 2, size.height() / 2});
  const int32_t windowCentreX = image.CentreX();
  const int32_t windowCentreY = image.CentreY();
  LayOutPictureAt(image, request.width, request.height, SkyPointAt(image, middle.x(), middle.y()));
  auto problem = SavePicture(image, request);
  // The window's own layout again: in the detailed view the centre is the scroll's image.
  image.SetAlwaysCentred(false);
  if (image.DetailedView()) {
    image.SetViewRect(size.width(), size.height(), -windowCentreX, -windowCentreY, false, false);
  } else {
    SyncViewRect();
  }
  image.UpdateLayout(image.Zoom());
  image.MarkViewChanged();
  return problem;
}

}  // namespace velarion::ui
