// The marks' calendar: the rounded first mark, steps carried through month ends, leap days,
// year ends and the calendar reform, and the label of each unit.
#include "PathMarks.h"

#include "Cp1251.h"
#include "velastro.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::paths;
using velplatform::Cp1251;

TCivilMoment At(int32_t year, int32_t month, int32_t day, int32_t h, int32_t m, double s) {
  return {year, month, day, h * 3600.0 + m * 60.0 + s};
}

struct TFirstMarkCase {
  TMarkUnit unit;
  TCivilMoment expected;
};

TEST(PathMarks, TheFirstMarkIsTheStartRoundedDownToTheUnit) {
  const TCivilMoment start = At(2024, 7, 19, 13, 47, 25.75);
  const TFirstMarkCase cases[] = {
      {TMarkUnit::kYear, At(2024, 1, 1, 0, 0, 0)},
      {TMarkUnit::kMonth, At(2024, 7, 1, 0, 0, 0)},
      {TMarkUnit::kDay, At(2024, 7, 19, 0, 0, 0)},
      {TMarkUnit::kHour, At(2024, 7, 19, 13, 47, 0)},
      {TMarkUnit::kMinute, At(2024, 7, 19, 13, 47, 25)},
      {TMarkUnit::kSecond, start},
  };
  for (const TFirstMarkCase& c : cases) {
    EXPECT_EQ(FirstMark(start, c.unit), c.expected) << static_cast<int>(c.unit);
  }
}

struct TStepCase {
  TCivilMoment from;
  TMarkUnit unit;
  int32_t multiplier;
  TCivilMoment expected;
};

TEST(PathMarks, StepsCarryIntoDaysMonthsAndYears) {
  const TStepCase cases[] = {
      {At(2023, 12, 1, 0, 0, 0), TMarkUnit::kMonth, 1, At(2024, 1, 1, 0, 0, 0)},
      {At(2023, 11, 1, 0, 0, 0), TMarkUnit::kMonth, 27, At(2026, 2, 1, 0, 0, 0)},
      {At(2024, 1, 1, 0, 0, 0), TMarkUnit::kYear, 3, At(2027, 1, 1, 0, 0, 0)},
      {At(2024, 1, 31, 0, 0, 0), TMarkUnit::kDay, 1, At(2024, 2, 1, 0, 0, 0)},
      {At(2024, 2, 28, 0, 0, 0), TMarkUnit::kDay, 1, At(2024, 2, 29, 0, 0, 0)},
      {At(1900, 2, 28, 0, 0, 0), TMarkUnit::kDay, 1, At(1900, 3, 1, 0, 0, 0)},   // not leap
      {At(1500, 2, 28, 0, 0, 0), TMarkUnit::kDay, 1, At(1500, 2, 29, 0, 0, 0)},  // Julian
      {At(1582, 10, 4, 0, 0, 0), TMarkUnit::kDay, 1, At(1582, 10, 15, 0, 0, 0)},
      {At(2024, 12, 31, 23, 0, 0), TMarkUnit::kHour, 2, At(2025, 1, 1, 1, 0, 0)},
      {At(2024, 3, 31, 23, 59, 0), TMarkUnit::kMinute, 90, At(2024, 4, 1, 1, 29, 0)},
      {At(2024, 6, 30, 23, 59, 59.5), TMarkUnit::kSecond, 1, At(2024, 7, 1, 0, 0, 0.5)},
      {At(-100, 12, 31, 0, 0, 0), TMarkUnit::kDay, 1, At(-99, 1, 1, 0, 0, 0)},
  };
  for (const TStepCase& c : cases) {
    EXPECT_EQ(NextMark(c.from, c.unit, c.multiplier), c.expected)
        << c.from.year << "-" << c.from.month << "-" << c.from.day << " +" << c.multiplier;
  }
}

TEST(PathMarks, AMomentOnAWholeHourReadsBackOnIt) {
  // 2000 January 1, 0 h and 1 h less a millionth of a second of rounding noise.
  EXPECT_EQ(CivilMomentOf(MJD(1, 1, 2000, 0.0) - 1e-11), At(2000, 1, 1, 0, 0, 0));
  EXPECT_EQ(CivilMomentOf(MJD(1, 1, 2000, 1.0) + 1e-11), At(2000, 1, 1, 1, 0, 0));
  EXPECT_DOUBLE_EQ(LocalMjdOf(At(2000, 1, 1, 12, 0, 0)), 51544.5);
}

struct TLabelCase {
  TCivilMoment mark;
  TMarkUnit unit;
  const char* expectedUtf8;
};

TEST(PathMarks, LabelsReadFromTheHourToTheYearAsFarAsTheUnitGoes) {
  const TCivilMoment moment = At(2024, 3, 5, 7, 8, 9.9);
  const TLabelCase cases[] = {
      {moment, TMarkUnit::kYear, "2024"},
      {moment, TMarkUnit::kMonth, "МАР 2024"},
      {moment, TMarkUnit::kDay, "5 МАР 2024"},
      {moment, TMarkUnit::kHour, "7ч 5 МАР 2024"},
      {moment, TMarkUnit::kMinute, "7ч 8м 5 МАР 2024"},
      {moment, TMarkUnit::kSecond, "7ч 8м 9с 5 МАР 2024"},
      {At(-43, 3, 15, 0, 0, 0), TMarkUnit::kDay, "15 МАР 44 до н.э."},
      {At(0, 1, 1, 0, 0, 0), TMarkUnit::kYear, "1 до н.э."},
      {At(1, 12, 31, 23, 59, 59), TMarkUnit::kSecond, "23ч 59м 59с 31 ДЕК 1"},
  };
  for (const TLabelCase& c : cases) {
    EXPECT_EQ(MarkLabel(c.mark, c.unit), Cp1251(c.expectedUtf8)) << c.expectedUtf8;
  }
}

}  // namespace
