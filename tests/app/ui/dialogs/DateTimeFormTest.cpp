// The date and time dialog over the program's calendar: days of the month (Julian before
// the reform), eras, the shown moment and the moment taken, ET - UT.
#include "CalendarDays.h"
#include "EchoingControls.h"
#include "FakeDialogs.h"
#include "Language.h"
#include "SetDateTimeForm.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velarion::ui {
namespace {

using veltest::TFakeControls;
using F = TSetDateTimeForm;

// Meeus, Astronomical Algorithms, ch. 7: the JD of a calendar date, as an oracle
// independent of the library's day counting.
double MeeusMjd(int year, int month, double day, bool gregorian) {
  if (month <= 2) {
    year -= 1;
    month += 12;
  }
  const double a = std::floor(year / 100.0);
  const double b = gregorian ? 2 - a + std::floor(a / 4.0) : 0.0;
  return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b - 1524.5 -
         2400000.5;
}

class DateTimeFormTest : public ::testing::Test {};

TEST(CalendarDaysTest, DaysOfTheMonthInTheProgramsCalendar) {
  struct TCase {
    int32_t month;
    int32_t year;
    int32_t days;
  };
  const TCase cases[] = {
      {2, 2000, 29},          {2, 1900, 28},  {2, 1500, 29} /* Julian: every fourth year */,
      {2, 1600, 29},          {2, 1700, 28},  {2, 0, 29} /* 1 BC */,
      {2, -1, 28} /* 2 BC */, {2, -4, 29},    {2, -100, 29},
      {10, 1582, 31},         {4, 2023, 30},  {6, 1, 30},
      {9, -9998, 30},         {12, 9999, 31}, {1, 2024, 31},
      {11, 1582, 30},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
  }
}

TEST(CalendarDaysTest, ErasAndAstronomicalYears) {
  EXPECT_EQ(AstronomicalYear(1, true), 0);
  EXPECT_EQ(AstronomicalYear(44, true), -43);
  EXPECT_EQ(AstronomicalYear(1, false), 1);
  EXPECT_EQ(EraYear(0), 1);
  EXPECT_EQ(EraYear(-9998), 9999);
  EXPECT_TRUE(BeforeChrist(0));
  EXPECT_FALSE(BeforeChrist(1));
}

TEST_F(DateTimeFormTest, OpeningShowsTheLocalMoment) {
  struct TCase {
    TDateTimeView view;
    const char* day;
    int32_t month;
    const char* year;
    int32_t era;
    const char* hours;
    const char* minutes;
    const char* seconds;
  };
  const TCase cases[] = {
      // 2000-01-01 12 h UT in zone +3.
      {{51544.5, 3.0, true, 0.0}, "1", 0, "2000", 0, "15", "0", "0"},
      // 23:59:59.6 shows as midnight of the next day, not as 24:00:00.
      {{51544.0 - 0.4 / 86400.0, 0.0, true, 0.0}, "1", 0, "2000", 0, "0", "0", "0"},
      // 15 March 44 BC (astronomical -43), 12:30 local in zone +1.
      {{MJD(15, 3, -43, 11.5), 1.0, true, 0.0}, "15", 2, "44", 1, "12", "30", "0"},
      // Nepal: 5 h 45 min.
      {{MJD(1, 7, 2020, 0.0), 5.75, true, 0.0}, "1", 6, "2020", 0, "5", "45", "0"},
  };
  for (const TCase& c : cases) {
    F form(c.view);
    TFakeControls f(F::Layout());
    form.Init(f);
    EXPECT_EQ(f.Text(F::kDay), c.day);
    EXPECT_EQ(f.Selected(F::kMonth), c.month);
    EXPECT_EQ(f.Text(F::kYear), c.year);
    EXPECT_EQ(f.Selected(F::kEra), c.era);
    EXPECT_EQ(f.Item(F::kEra, 1), sky::EraNames(sky::TLanguage::kRussian).beforeChrist);
    EXPECT_EQ(f.Text(F::kHours), c.hours);
    EXPECT_EQ(f.Text(F::kMinutes), c.minutes);
    EXPECT_EQ(f.Text(F::kSeconds), c.seconds);
  }
}

TEST_F(DateTimeFormTest, TheMomentTakenIsTheCalendarsInUniversalTime) {
  struct TCase {
    const char* day;
    int32_t month;  // from 1
    const char* year;
    bool beforeChrist;
    double timeZone;
    double expectedMjd;
  };
  const TCase cases[] = {
      // 29 February 1 BC is a day: JD 1721423.5 (1 Jan 1 AD) less 307 days.
      {"29", 2, "1", true, 0.0, 1721116.5 - 2400000.5},
      {"29", 2, "1500", false, 0.0, MeeusMjd(1500, 2, 29, false)},
      {"29", 2, "1900", false, 0.0, MeeusMjd(1900, 2, 28, true)},  // lowered to the 28th
      {"29", 2, "2000", false, 0.0, MeeusMjd(2000, 2, 29, true)},
      {"4", 10, "1582", false, 0.0, MeeusMjd(1582, 10, 4, false)},
      {"15", 10, "1582", false, 0.0, MeeusMjd(1582, 10, 15, true)},
      {"0", 1, "2000", false, 3.0, MeeusMjd(2000, 1, 1, true) - 3.0 / 24.0},  // day 0 is 1
      {"1", 1, "9999", true, 0.0, MeeusMjd(-9998, 1, 1, false)},
  };
  for (const TCase& c : cases) {
    F form({51544.5, c.timeZone, true, 0.0});
    TFakeControls f(F::Layout());
    form.Init(f);
    f.Type(form, F::kDay, c.day);
    f.Choose(form, F::kMonth, c.month - 1);
    f.Type(form, F::kYear, c.year);
    f.Choose(form, F::kEra, c.beforeChrist ? 1 : 0);
    f.Type(form, F::kHours, "0");
    f.Type(form, F::kMinutes, "0");
    f.Type(form, F::kSeconds, "0");
    ASSERT_TRUE(f.PressOk(form));
    EXPECT_DOUBLE_EQ(form.Choice().mjdUt, c.expectedMjd)
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST_F(DateTimeFormTest, MonthAndEraLowerADayBeyondTheirEnd) {
  F form({MJD(31, 1, 2001, 12.0), 0.0, true, 0.0});
  test::TEchoingControls c(F::Layout(), form);
  c.Choose(F::kMonth, 3);  // April
  EXPECT_EQ(c.Text(F::kDay), "30");
  c.Type(F::kDay, "29");
  c.Choose(F::kMonth, 1);  // February 2001
  EXPECT_EQ(c.Text(F::kDay), "28");
  c.Type(F::kDay, "29");
  c.Type(F::kYear, "1");
  c.Choose(F::kEra, 1);  // February 1 BC has its 29th
  EXPECT_EQ(c.Text(F::kDay), "29");
  c.Choose(F::kEra, 0);  // 1 AD has not
  EXPECT_EQ(c.Text(F::kDay), "28");
  // A year typed key by key keeps a 29th that its final value allows.
  c.Type(F::kDay, "29");
  for (const char* year : {"2", "20", "200", "2000"}) c.Type(F::kYear, year);
  EXPECT_EQ(c.Text(F::kDay), "29");
  ASSERT_TRUE(c.PressOk());
  EXPECT_DOUBLE_EQ(form.Choice().mjdUt, MeeusMjd(2000, 2, 29.5, true));
}

TEST_F(DateTimeFormTest, EtMinusUtAutomaticOrTyped) {
  const double mjd = 51544.5;
  F form({mjd, 0.0, true, 0.0});
  TFakeControls c(F::Layout());
  form.Init(c);
  char expected[32];
  std::snprintf(expected, sizeof expected, "%.1f", GetDeltat(GetT(mjd)));
  EXPECT_EQ(c.Text(F::kDeltaT), expected);
  EXPECT_FALSE(c.Enabled(F::kDeltaT));
  ASSERT_TRUE(c.PressOk(form));
  EXPECT_TRUE(form.Choice().deltaTAutomatic);
  c.Click(form, F::kDeltaTAuto, false);
  EXPECT_TRUE(c.Enabled(F::kDeltaT));
  c.Type(form, F::kDeltaT, "69.2");
  ASSERT_TRUE(c.PressOk(form));
  EXPECT_FALSE(form.Choice().deltaTAutomatic);
  EXPECT_DOUBLE_EQ(form.Choice().deltaTSeconds, 69.2);
}

}  // namespace
}  // namespace velarion::ui
