// The marks along a path: civil moments at a regular calendar step from a rounded start,
// and the label each mark may carry (hours, minutes, seconds, day, month, year, as far as
// the step's unit goes).
#ifndef VELARION_APP_SOLAR_PATHS_PATHMARKS_H
#define VELARION_APP_SOLAR_PATHS_PATHMARKS_H

#include <cstdint>
#include <optional>
#include <string>

namespace velarion::paths {

enum class TMarkUnit : uint8_t {
  kNone = 0,
  kYear = 1,
  kMonth = 2,
  kDay = 3,
  kHour = 4,
  kMinute = 5,
  kSecond = 6,
};

// The step's unit in days (a mean year and month), none for kNone.
std::optional<double> MarkUnitDays(TMarkUnit unit);

// More marks than this make a path unreadable; the window refuses them.
inline constexpr int32_t kMaxMarks = 16384;

// A local civil moment: astronomical year (0 = 1 BC), the calendar MJD and CalDat use.
struct TCivilMoment {
  int32_t year = 2000;
  int32_t month = 1;
  int32_t day = 1;
  double secondOfDay = 0.0;  // 0 <= s < 86400
  bool operator==(const TCivilMoment&) const = default;
};

// The civil moment of a local MJD.
TCivilMoment CivilMomentOf(double localMjd);
double LocalMjdOf(const TCivilMoment& moment);

// The path's start brought down to the step's grid: whole seconds (unless the unit is
// seconds), whole minutes for hours and longer units, 0 h for days and longer, the 1st
// for months and years, January for years.
TCivilMoment FirstMark(const TCivilMoment& start, TMarkUnit unit);

// The moment `multiplier` units later, carried into days, months and years.
TCivilMoment NextMark(const TCivilMoment& mark, TMarkUnit unit, int32_t multiplier);

// "12ч 30м 5 ЯНВ 2000" for minutes; a year below 1 as "44 до н.э." (CP1251, the program's
// language).
std::string MarkLabel(const TCivilMoment& mark, TMarkUnit unit);

}  // namespace velarion::paths

#endif
