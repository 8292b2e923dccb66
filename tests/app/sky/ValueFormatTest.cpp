// Angles, dates and numbers as the program shows them.
#include "ValueFormat.h"

#include "AngleUtils.h"
#include "Cp1251.h"
#include "velastro.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::sky;
using velplatform::Cp1251;

TEST(FormatAngle, CasesOfTheDisplay) {
  struct TCase {
    TAngleUnit unit;
    TAngleResolution resolution;
    int decimals;
    bool plus;
    double x;
    TLanguage language;
    const char* expected;  // UTF-8
  };
  const auto H = TAngleUnit::kHours;
  const auto D = TAngleUnit::kDegrees;
  const auto M = TAngleResolution::kMinutes;
  const auto S = TAngleResolution::kSeconds;
  const auto ru = TLanguage::kRussian;
  const auto en = TLanguage::kEnglish;
  const TCase cases[] = {
      {H, S, 1, false, 5.5, ru, "5ч 30м 0.0с"},
      {D, S, 0, true, -12.3456, ru, "-12° 20' 44\""},
      {D, M, 1, false, 0.5, ru, "0° 30.0'"},
      {H, M, 0, false, 23.99999, en, "0h 0m"},  // the rounded 24 wraps to 0
      {H, S, 2, false, 23.999999999, en, "0h 0m 0.00s"},
      {D, S, 0, true, 0.0, en, "0° 0' 0\""},  // no sign at zero
      {D, M, 0, true, 45.25, en, "+45° 15'"},
      {H, S, 3, false, 7.0406 / 3600.0, en, "0h 0m 7.041s"},
      {D, S, 4, false, 359.5, en, "359° 30' 0.0000\""},  // needs 64-bit intermediates
      {D, S, 9, false, 1.5, en, "1° 30' 0.0000\""},      // decimals clamped to 4
      {D, M, -2, false, 1.5, en, "1° 30'"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FormatAngle(c.unit, c.resolution, c.decimals, c.plus, c.x, c.language),
              Cp1251(c.expected))
        << c.expected;
  }
}

// Month names are the program's own in either language, whatever the computer's locale.
TEST(FormatDate, ErasAndTimes) {
  struct TCase {
    bool withTime;
    double mjd;
    TLanguage language;
    const char* expected;
  };
  const auto ru = TLanguage::kRussian;
  const TCase cases[] = {
      {false, MJD(15, 3, -43, 0.0), ru, "15 мар 44 до н.э."},  // the Ides of March, 44 BC
      {false, MJD(1, 1, 0, 6.0), ru, "1 янв 1 до н.э."},       // astronomical year 0
      {false, MJD(31, 12, 1, 23.0), ru, "31 дек 1 н.э."},
      {true, MJD(10, 12, 2026, 12.0), ru, "10 дек 2026 н.э. 12ч 0м 0с"},
      {true, MJD(10, 12, 2026, 12.0), TLanguage::kEnglish, "10 Dec 2026 AD 12h 0m 0s"},
      // 23:59:59.6 rounds to the next day's midnight, never to the previous date.
      {true, MJD(31, 12, 1999, 0.0) + (86399.6 / 86400.0), ru, "1 янв 2000 н.э. 0ч 0м 0с"},
      {true, MJD(31, 12, 1999, 0.0) + (86399.4 / 86400.0), ru, "31 дек 1999 н.э. 23ч 59м 59с"},
      {false, MJD(4, 10, 1582, 0.0), ru, "4 окт 1582 н.э."},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FormatDate(c.withTime, c.mjd, c.language), Cp1251(c.expected)) << c.expected;
  }
}

TEST(RoundTo, AddsTheOffsetWithTheSignOfTheValue) {
  struct TCase {
    double x;
    int n;
    double expected;
  };
  const TCase cases[] = {{2.345, 2, 2.35},    {-2.345, 2, -2.35}, {2.344, 2, 2.34},
                         {0.4444, 0, 0.0},    {0.4445, 0, 1.0},   {-0.4445, 0, -1.0},
                         {123.456, 1, 123.5}, {7.0, 3, 7.0}};
  for (const TCase& c : cases) {
    EXPECT_DOUBLE_EQ(RoundTo(c.x, c.n), c.expected) << c.x << " " << c.n;
  }
}

TEST(ListItems, CommaSeparatedSettings) {
  EXPECT_EQ(ListItemInt("600,600,3600,600", 3), 3600);
  EXPECT_EQ(ListItemInt("1,2", 5), 0);
  EXPECT_EQ(ListItemInt(" 7 , 8", 2), 8);
  EXPECT_EQ(ListItemInt("1,,3", 2), 0);
  EXPECT_EQ(ListItemInt("1,x,3", 2), 0);
  EXPECT_EQ(ListItemInt("5", 0), 0);
  EXPECT_DOUBLE_EQ(ListItemFloat("1.5, 2.25", 2), 2.25);
  EXPECT_EQ(ListItemText("a, b ,c", 2), "b");
  EXPECT_EQ(ListItemText("a", 2), "");
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
  EXPECT_EQ(ParseIntText(" 12 "), 12);
  EXPECT_EQ(ParseIntText("99999999999"), 0);
  EXPECT_DOUBLE_EQ(ParseFloatText(""), 0.0);
  EXPECT_EQ(FixedToText(3, 2.5), "2.500");
  EXPECT_EQ(IntToText(-7), "-7");
}

TEST(Language, ChosenByTheLastLetterOfTheVersion) {
  EXPECT_EQ(LanguageForVersion("4.10R"), TLanguage::kRussian);
  EXPECT_EQ(LanguageForVersion("4.10E"), TLanguage::kEnglish);
  EXPECT_EQ(LanguageForVersion(""), TLanguage::kEnglish);
}

}  // namespace
