#include "Language.h"

#include "Cp1251.h"

namespace velarion::sky {

namespace {

TLanguage gLanguage = TLanguage::kRussian;

}  // namespace

TLanguage LanguageForVersion(std::string_view version) {
  return (!version.empty() && version.back() == 'R') ? TLanguage::kRussian : TLanguage::kEnglish;
}

TLanguage InterfaceLanguage() { return gLanguage; }
void SetInterfaceLanguage(TLanguage language) { gLanguage = language; }

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

const TMonthNames& MonthNames(TLanguage language) {
  using velplatform::Cp1251;
  static const TMonthNames english{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  static const TMonthNames russian{Cp1251("янв"), Cp1251("фев"), Cp1251("мар"), Cp1251("апр"),
                                   Cp1251("май"), Cp1251("июн"), Cp1251("июл"), Cp1251("авг"),
                                   Cp1251("сен"), Cp1251("окт"), Cp1251("ноя"), Cp1251("дек")};
  return language == TLanguage::kRussian ? russian : english;
}

}  // namespace velarion::sky
