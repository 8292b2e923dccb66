#include "DialogKeys.h"

#include <cctype>

namespace velarion::ui {

int ShiftedDigit(char32_t character) {
  switch (character) {
    case U'!':
      return 1;
    case U'"':
    case U'@':
      return 2;
    case U'#':
    case U'\u2116':
      return 3;
    case U'$':
    case U';':
      return 4;
    case U'%':
      return 5;
    case U'^':
    case U':':
      return 6;
    default:
      return 0;
  }
}

bool IsControlKey(const TDialogKey& key, char latin, char32_t cyrillic) {
  if (!key.control) return false;
  const auto lower = static_cast<char32_t>(std::tolower(static_cast<unsigned char>(latin)));
  const auto upper = static_cast<char32_t>(std::toupper(static_cast<unsigned char>(latin)));
  // Cyrillic capitals lie 0x20 below their small letters (а … я).
  return key.character == lower || key.character == upper || key.character == cyrillic ||
         key.character == cyrillic - 0x20;
}

}  // namespace velarion::ui
