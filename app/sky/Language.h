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
  std::string afterChrist;  // "AD", "н.э."
  std::string beforeChrist; // "BC", "до н.э."
};
const TEraNames& EraNames(TLanguage language);

// The abbreviated month names (January first), read from the system's locale at the
// first call unless set.
using TMonthNames = std::array<std::string, 12>;
const TMonthNames& MonthNames();
void SetMonthNames(const TMonthNames& names);
// The names of the user's locale for dates and times, in CP1251.
TMonthNames LocaleMonthNames();

} // namespace velarion::sky

#endif
