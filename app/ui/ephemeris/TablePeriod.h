// The period of a table over time: the dates and the step the user typed, checked as the
// period page checks them, and the rows they give (start + k × step up to the end).
#ifndef VELARION_APP_UI_EPHEMERIS_TABLEPERIOD_H
#define VELARION_APP_UI_EPHEMERIS_TABLEPERIOD_H

#include "EphemerisColumns.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace velarion::ephemeris {

// A date as typed: the year counted in its era, the time in decimal hours, local time.
struct TDateEntry {
  int32_t day = 1;
  int32_t month = 1;  // 1 … 12
  int32_t year = 2000;
  bool beforeChrist = false;
  double hours = 0.0;
};

struct TStepEntry {
  int32_t days = 1;
  double hours = 0.0;
};

// Local moments (MJD) and the step in days.
struct TPeriod {
  double startLocalMjd = 0.0;
  double endLocalMjd = 0.0;
  double stepDays = 1.0;
};

// What a message box tells (CP1251).
struct TEntryError {
  std::string message;
  std::string caption;
  bool operator==(const TEntryError&) const = default;
};

// The start is checked first, then the end, then their order and the step.
std::variant<TPeriod, TEntryError> ValidatePeriod(const TDateEntry& start, const TDateEntry& end,
                                                  const TStepEntry& step);

// The local moment (MJD) of a date that ValidatePeriod accepts.
double LocalMjdOf(const TDateEntry& date);

// The entry that shows a local moment: its year in its era, the hours rounded to 6 decimals
// (what the period page shows when it opens).
TDateEntry DateEntryOf(double localMjd);

// A longer table is refused: it would take hours and fill the console beyond use.
inline constexpr int64_t kMaxTableRows = 100000;

// Rows at start + k × step while that is not past the end (1e-6 day allowed); 0 for a step
// that does not advance. The count is computed, never stepped to, so a step too small to
// move a large moment cannot loop.
int64_t RowCount(const TPeriod& period);
double RowMoment(const TPeriod& period, int64_t k);

// The refusal of a table with more than kMaxTableRows rows, none when it may be made.
std::optional<TEntryError> RowLimitError(const TPeriod& period);

// Whole days when start and step fall on midnights (their day fractions, x − floor(x), below
// 1e-6), the era when the start lies before 1 January of year 1.
TDateStyle DateStyleOf(const TPeriod& period);

}  // namespace velarion::ephemeris

#endif
