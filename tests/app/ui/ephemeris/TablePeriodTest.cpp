// The period page's checks of the dates and the step, and the rows a period gives.
#include "TablePeriod.h"

#include "Cp1251.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace velarion::ephemeris {
namespace {

using ui::DateEntryOf;
using ui::TDateEntry;
using velplatform::Cp1251;

struct TCase {
  const char* what;
  TDateEntry start;
  TDateEntry end;
  TStepEntry step;
  const char* message;  // UTF-8; empty: accepted
  const char* caption;
};

TEST(TablePeriod, ValidationStopsAtTheFirstFaultWithItsMessage) {
  const TDateEntry jan1{1, 1, 2000, false, 0.0};
  const TDateEntry jan3{3, 1, 2000, false, 0.0};
  const char* startCaption = "Ошибка в дате начала таблицы";
  const char* endCaption = "Ошибка в дате окончания таблицы";
  const std::vector<TCase> cases = {
      {"year 0", {1, 1, 0, false, 0.0}, jan3, {}, "Неверный номер года", startCaption},
      {"year -5 BC", {1, 1, -5, true, 0.0}, jan3, {}, "Неверный номер года", startCaption},
      {"30 February",
       {30, 2, 2000, false, 0.0},
       jan3,
       {},
       "День должен быть от 1 до 29",
       startCaption},
      {"29 February 1900",
       {29, 2, 1900, false, 0.0},
       jan3,
       {},
       "День должен быть от 1 до 28",
       startCaption},
      // Julian calendar: 1500 is a leap year, and so is 5 BC (astronomical year -4).
      {"29 February 1500", {29, 2, 1500, false, 0.0}, jan3, {}, "", ""},
      {"29 February 5 BC", {29, 2, 5, true, 0.0}, jan3, {}, "", ""},
      {"31 April", jan1, {31, 4, 2000, false, 0.0}, {}, "День должен быть от 1 до 30", endCaption},
      {"day 0", jan1, {0, 1, 2000, false, 0.0}, {}, "День должен быть от 1 до 31", endCaption},
      {"25 hours",
       {1, 1, 2000, false, 25.0},
       jan3,
       {},
       "Время должно быть от 0 до 24 ч.",
       startCaption},
      {"24 hours",
       jan1,
       {3, 1, 2000, false, 24.0},
       {},
       "Время должно быть от 0 до 24 ч.",
       endCaption},
      {"negative time",
       {1, 1, 2000, false, -0.5},
       jan3,
       {},
       "Время должно быть от 0 до 24 ч.",
       startCaption},
      {"the start's fault first",
       {0, 1, 2000, false, 0.0},
       {1, 1, 0, false, 0.0},
       {},
       "День должен быть от 1 до 31",
       startCaption},
      {"end before start",
       jan3,
       jan1,
       {},
       "Дата окончания таблицы должна быть больше даты начала",
       "Ошибка"},
      {"negative days", jan1, jan3, {-1, 30.0}, "Неверный шаг таблицы", "Ошибка"},
      {"negative hours", jan1, jan3, {1, -1.0}, "Неверный шаг таблицы", "Ошибка"},
      {"no step", jan1, jan3, {0, 0.0}, "Неверный шаг таблицы", "Ошибка"},
      {"end equal to start", jan1, jan1, {1, 0.0}, "", ""},
      {"hours only", jan1, jan3, {0, 0.5}, "", ""},
  };
  for (const TCase& c : cases) {
    const auto result = ValidatePeriod(c.start, c.end, c.step);
    if (*c.message == '\0') {
      EXPECT_TRUE(std::holds_alternative<TPeriod>(result)) << c.what;
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<TEntryError>(result)) << c.what;
    EXPECT_EQ(std::get<TEntryError>(result), (TEntryError{Cp1251(c.message), Cp1251(c.caption)}))
        << c.what << ": " << velplatform::Cp1251ToUtf8(std::get<TEntryError>(result).message);
  }
}

TEST(TablePeriod, TheMomentIsTheLocalDateOfTheEraAndStepIsDaysAndHours) {
  const auto result = ValidatePeriod({1, 1, 100, true, 6.0}, {2, 1, 100, true, 18.0}, {0, 12.0});
  const TPeriod& p = std::get<TPeriod>(result);
  EXPECT_DOUBLE_EQ(p.startLocalMjd, MJD(1, 1, -99, 6.0));
  EXPECT_DOUBLE_EQ(p.endLocalMjd, MJD(2, 1, -99, 18.0));
  EXPECT_DOUBLE_EQ(p.stepDays, 0.5);
}

TEST(TablePeriod, TheEntryOfAMomentWritesTheYearInItsEra) {
  const TDateEntry bc = DateEntryOf(MJD(15, 3, -43, 10.5));
  EXPECT_EQ((std::vector{bc.day, bc.month, bc.year}), (std::vector{15, 3, 44}));
  EXPECT_TRUE(bc.beforeChrist);
  EXPECT_DOUBLE_EQ(bc.hours, 10.5);
  EXPECT_DOUBLE_EQ(LocalMjdOf(bc), MJD(15, 3, -43, 10.5));
  // A hair before midnight of 31 December 1 BC is the midnight of 1 January AD 1.
  const TDateEntry ad = DateEntryOf(MJD(1, 1, 1, 0.0) - 1e-12);
  EXPECT_EQ((std::vector{ad.day, ad.month, ad.year}), (std::vector{1, 1, 1}));
  EXPECT_FALSE(ad.beforeChrist);
  EXPECT_EQ(ad.hours, 0.0);
}

TEST(TablePeriod, RowsRunFromStartToEndWithAMicrodayAllowed) {
  const double start = MJD(1, 1, 2000, 0.0);
  EXPECT_EQ(RowCount({start, start + 2.0, 1.0}), 3);
  EXPECT_EQ(RowCount({start, start + 2.0 - 5e-7, 1.0}), 3);
  EXPECT_EQ(RowCount({start, start + 2.0 - 2e-6, 1.0}), 2);
  EXPECT_EQ(RowCount({start, start, 1.0}), 1);
  // A tenth of a day does not add up to one day: the rows are counted, not stepped.
  EXPECT_EQ(RowCount({start, start + 1.0, 0.1}), 11);
  EXPECT_DOUBLE_EQ(RowMoment({start, start + 1.0, 0.1}, 10), start + 1.0);
  EXPECT_EQ(RowCount({start, start + 1.0, 0.0}), 0);
}

TEST(TablePeriod, MoreThanAHundredThousandRowsAreRefused) {
  const double start = 60000.0;
  const TPeriod limit{start, start + (kMaxTableRows - 1) / 1440.0, 1.0 / 1440.0};
  EXPECT_EQ(RowCount(limit), kMaxTableRows);
  EXPECT_FALSE(RowLimitError(limit));
  const TPeriod beyond{start, start + kMaxTableRows / 1440.0, 1.0 / 1440.0};
  ASSERT_TRUE(RowLimitError(beyond));
  EXPECT_EQ(RowLimitError(beyond)->caption, Cp1251("Ошибка"));
  // A step of a nanoday over a century: counted without being stepped through.
  EXPECT_TRUE(RowLimitError({start, start + 36525.0, 1e-9}));
}

TEST(TablePeriod, WholeDaysAndTheEraFromTheStart) {
  // Before 1858 the MJD is negative: noon has the fraction 0.5, not -0.5.
  EXPECT_FALSE(DateStyleOf({-100000.5, -99990.5, 1.0}).wholeDays);
  EXPECT_TRUE(DateStyleOf({-100000.0, -99990.0, 1.0}).wholeDays);
  EXPECT_FALSE(DateStyleOf({-100000.0, -99990.0, 1.25}).wholeDays);
  EXPECT_TRUE(DateStyleOf({60000.0, 60010.0, 2.0}).wholeDays);
  const double year1 = MJD(1, 1, 1, 0.0);
  EXPECT_FALSE(DateStyleOf({year1, year1 + 1.0, 1.0}).beforeChrist);
  EXPECT_TRUE(DateStyleOf({year1 - 1e-3, year1 + 1.0, 1.0}).beforeChrist);
}

}  // namespace
}  // namespace velarion::ephemeris
