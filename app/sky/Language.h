// The interface language and the words that depend on it: unit letters of times, era
// names, month names. Fixed once at start from the version text.
#ifndef VELARION_APP_SKY_LANGUAGE_H
#define VELARION_APP_SKY_LANGUAGE_H

#include <array>
#include <string>
#include <string_view>

namespace velarion::sky {

enum class TLanguage { kEnglish = 1, kRussian = 2 };

// Russian when the version text ends in "R", else English.
TLanguage LanguageForVersion(std::string_view version);

// The language of the running program (Russian until set).
TLanguage InterfaceLanguage();
void SetInterfaceLanguage(TLanguage language);

// All texts are CP1251.
struct TUnitLetters {
  std::string hour;
  std::string minute;
  std::string second;
};
const TUnitLetters& UnitLetters(TLanguage language);

struct TEraNames {
  std::string afterChrist;   // "AD", "н.э."
  std::string beforeChrist;  // "BC", "до н.э."
};
const TEraNames& EraNames(TLanguage language);

// The abbreviated month names (January first) of the interface language: the program's own,
// so that a date reads the same whatever locale the computer runs in.
using TMonthNames = std::array<std::string, 12>;
const TMonthNames& MonthNames(TLanguage language = InterfaceLanguage());

}  // namespace velarion::sky

#endif
