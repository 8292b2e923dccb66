#include "OverwriteQuestion.h"

#include "Cp1251.h"

#include <filesystem>
#include <system_error>

namespace velarion::ui {

bool MayWriteFile(velplatform::TWindowHandle owner, const std::string& file) {
  using velplatform::Cp1251;
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return true;
  return velplatform::ShowMessageBox(
             owner, {Cp1251("Файл с таким именем уже существует. Перезаписать его?"),
                     Cp1251("Предупреждение"), velplatform::TMessageButtons::kYesNo,
                     velplatform::TMessageIcon::kWarning}) == velplatform::TMessageAnswer::kYes;
}

}  // namespace velarion::ui
