#include "GroupDataFile.h"

#include "Concat.h"
#include "Cp1251.h"

namespace velarion::catalogues {

void ShowCannotOpen(velplatform::TWindowHandle owner, std::string_view name) {
  velplatform::ShowError(owner,
                         velplatform::Concat({velplatform::Cp1251("Не могу открыть файл "), name}));
}

}  // namespace velarion::catalogues
