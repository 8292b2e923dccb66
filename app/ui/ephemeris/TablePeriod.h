// The period of a table over time: the dates and the step the user typed, checked as the
// period page checks them, and the rows they give (start + k × step up to the end).
#ifndef VELARION_APP_UI_EPHEMERIS_TABLEPERIOD_H
#define VELARION_APP_UI_EPHEMERIS_TABLEPERIOD_H

#include "DateEntry.h"
#include "EphemerisColumns.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace velarion::ephemeris {

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
std::variant<TPeriod, TEntryError> ValidatePeriod(const ui::TDateEntry& start,
                                                  const ui::TDateEntry& end,
                                                  const TStepEntry& step);

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
