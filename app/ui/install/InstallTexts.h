// The installer's messages, as the user sees them (CP1251).
#ifndef VELARION_APP_UI_INSTALL_INSTALLTEXTS_H
#define VELARION_APP_UI_INSTALL_INSTALLTEXTS_H

#include "Cp1251.h"

#include <string>

namespace velarion::install::texts {

inline std::string CopyFailed() { return velplatform::Cp1251("Ошибка копирования файла"); }
inline std::string MenuEntryFailed() { return velplatform::Cp1251("Ошибка при создании ярлыка"); }
inline std::string RegistrationFailed() {
  return velplatform::Cp1251("Ошибка при регистрации программы");
}
inline std::string UnknownFailure() { return velplatform::Cp1251("Неизвестная ошибка"); }

}  // namespace velarion::install::texts

#endif
