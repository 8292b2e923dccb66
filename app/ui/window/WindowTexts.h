// Texts between the window's Qt widgets and the program's CP1251 strings, and the plain
// message box the window shows.
#ifndef VELARION_APP_UI_WINDOW_WINDOWTEXTS_H
#define VELARION_APP_UI_WINDOW_WINDOWTEXTS_H

#include "Cp1251.h"
#include "Dialogs.h"

#include <QString>

#include <string_view>

namespace velarion::ui {

// A CP1251 text of the program.
inline QString Q(std::string_view cp1251) {
  return QString::fromStdU16String(velplatform::Cp1251ToUtf16(cp1251));
}
// A UTF-8 source literal.
inline QString Ru(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline void Inform(velplatform::TWindowHandle owner, std::string_view utf8Text,
                   std::string_view utf8Title, velplatform::TMessageIcon icon) {
  velplatform::ShowMessageBox(owner, {velplatform::Cp1251(utf8Text), velplatform::Cp1251(utf8Title),
                                      velplatform::TMessageButtons::kOk, icon});
}

}  // namespace velarion::ui

#endif
