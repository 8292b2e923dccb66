#include "InstallFailureBox.h"

#include "Cp1251.h"
#include "Dialogs.h"
#include "InstallTexts.h"

namespace velarion::ui {

void ShowInstallFailure(const install::TInstallFailure& failure) {
  velplatform::ShowError(0, failure.title + "\n" + velplatform::Utf8ToCp1251(failure.detail));
}

install::TInstallFailure NoDataFolderFailure() {
  return {install::texts::UnknownFailure(),
          "neither XDG_DATA_HOME nor HOME names an absolute folder"};
}

}  // namespace velarion::ui
