#include "GroupDataFile.h"

#include "Concat.h"
#include "Cp1251.h"
#include "Dialogs.h"

namespace velarion::catalogues {

void ShowCannotOpen(kit::TWindowHandle owner, std::string_view name) {
  velplatform::ShowMessageBox(
      owner, {velplatform::Concat({velplatform::Cp1251("Не могу открыть файл "), name}),
              velplatform::Cp1251("Ошибка"), velplatform::TMessageButtons::kOk,
              velplatform::TMessageIcon::kError});
}

}  // namespace velarion::catalogues
