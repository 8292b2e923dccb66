#include "Language.h"

#include "Cp1251.h"

#include <clocale>
#include <langinfo.h>
#include <optional>

namespace velarion::sky {

namespace {

TLanguage gLanguage = TLanguage::kRussian;

std::optional<TMonthNames>& StoredMonthNames() {
  static std::optional<TMonthNames> names;
  return names;
}

} // namespace

TLanguage LanguageForVersion(std::string_view version) {
  return (!version.empty() && version.back() == 'R') ? TLanguage::kRussian : TLanguage::kEnglish;
}

TLanguage InterfaceLanguage() {
  return gLanguage;
}
void SetInterfaceLanguage(TLanguage language) {
  gLanguage = language;
}

const TUnitLetters& UnitLetters(TLanguage language) {
  static const TUnitLetters english{"h", "m", "s"};
  static const TUnitLetters russian{velplatform::Cp1251("ч"), velplatform::Cp1251("м"),
                                    velplatform::Cp1251("с")};
  return language == TLanguage::kRussian ? russian : english;
}

const TEraNames& EraNames(TLanguage language) {
  static const TEraNames english{"AD", "BC"};
  static const TEraNames russian{velplatform::Cp1251("н.э."), velplatform::Cp1251("до н.э.")};
  return language == TLanguage::kRussian ? russian : english;
}

TMonthNames LocaleMonthNames() {
  TMonthNames names;
  const locale_t locale = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", nullptr);
  const locale_t used = locale != nullptr ? locale : LC_GLOBAL_LOCALE;
  for (int i = 0; i < 12; ++i) {
    const char* name = ::nl_langinfo_l(ABMON_1 + i, used);
    // Locales on this platform are UTF-8; the program's texts are CP1251.
    names[i] = velplatform::Utf8ToCp1251(name != nullptr ? name : "");
  }
  if (locale != nullptr)
    ::freelocale(locale);
  return names;
}

const TMonthNames& MonthNames() {
  auto& names = StoredMonthNames();
  if (!names)
    names = LocaleMonthNames();
  return *names;
}

void SetMonthNames(const TMonthNames& names) {
  StoredMonthNames() = names;
}

} // namespace velarion::sky
