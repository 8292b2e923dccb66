// Calendar dates and Modified Julian Dates.
//
// Julian calendar before 1582-10-15, Gregorian from then on (the reform skipped
// 1582-10-05 .. 1582-10-14). Day numbers are counted with integer arithmetic on
// floor division, so every astronomical year from -9998 to 9999 (and beyond) is exact.
// Method: the day-count algorithms of Richards, "Mapping Time" (1998), in the form of
// the Explanatory Supplement to the Astronomical Almanac (1992), section 12.92.
#include "velastro.h"

#include "Support.h"

#include <cmath>
#include <cstdint>

namespace {

// JD of 1582-10-15 (Gregorian): the first Gregorian day.
constexpr int64_t kFirstGregorianJdn = 2299161;

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) {
    --q;
  }
  return q;
}

// Julian day number (noon-based) of a date on the Julian calendar.
int64_t JulianCalendarJdn(int64_t year, int64_t month, int64_t day) {
  const int64_t a = FloorDiv(14 - month, 12);
  const int64_t y = year + 4800 - a;
  const int64_t m = month + 12 * a - 3;
  return day + FloorDiv(153 * m + 2, 5) + 365 * y + FloorDiv(y, 4) - 32083;
}

// Julian day number of a date on the Gregorian calendar.
int64_t GregorianCalendarJdn(int64_t year, int64_t month, int64_t day) {
  const int64_t a = FloorDiv(14 - month, 12);
  const int64_t y = year + 4800 - a;
  const int64_t m = month + 12 * a - 3;
  return day + FloorDiv(153 * m + 2, 5) + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) +
         FloorDiv(y, 400) - 32045;
}

struct TDate {
  int64_t year;
  int64_t month;
  int64_t day;
};

TDate DateOfJdn(int64_t jdn) {
  if (jdn >= kFirstGregorianJdn) {
    const int64_t a = jdn + 32044;
    const int64_t b = FloorDiv(4 * a + 3, 146097);
    const int64_t c = a - FloorDiv(146097 * b, 4);
    const int64_t d = FloorDiv(4 * c + 3, 1461);
    const int64_t e = c - FloorDiv(1461 * d, 4);
    const int64_t m = FloorDiv(5 * e + 2, 153);
    return {100 * b + d - 4800 + FloorDiv(m, 10), m + 3 - 12 * FloorDiv(m, 10),
            e - FloorDiv(153 * m + 2, 5) + 1};
  }
  const int64_t c = jdn + 32082;
  const int64_t d = FloorDiv(4 * c + 3, 1461);
  const int64_t e = c - FloorDiv(1461 * d, 4);
  const int64_t m = FloorDiv(5 * e + 2, 153);
  return {d - 4800 + FloorDiv(m, 10), m + 3 - 12 * FloorDiv(m, 10),
          e - FloorDiv(153 * m + 2, 5) + 1};
}

// Normalises month overflow into the year so that 13/2000 means 1/2001.
void NormaliseMonth(int64_t& year, int64_t& month) {
  year += FloorDiv(month - 1, 12);
  month = month - 12 * FloorDiv(month - 1, 12);
}

}  // namespace

extern "C" double MJD(int32_t day, int32_t month, int32_t year, double hour) {
  int64_t y = year;
  int64_t m = month;
  NormaliseMonth(y, m);
  // The calendar is chosen by the date as written: the Julian count of a date from
  // 1582-10-15 on would land inside the Gregorian era, so compare with the reform date.
  const bool gregorian = (y > 1582) || (y == 1582 && (m > 10 || (m == 10 && day >= 15)));
  const int64_t jdn = gregorian ? GregorianCalendarJdn(y, m, day) : JulianCalendarJdn(y, m, day);
  return static_cast<double>(jdn) - 2400001.0 + hour / 24.0;
}

extern "C" void CalDat(double mjd, int32_t* day, int32_t* month, int32_t* year, double* hour) {
  // MJD counts from midnight, so its whole days map directly onto civil days.
  const double dayStart = std::floor(mjd);
  const auto jdn = static_cast<int64_t>(dayStart) + 2400001;
  const TDate date = DateOfJdn(jdn);
  velastro::Store(day, static_cast<int32_t>(date.day));
  velastro::Store(month, static_cast<int32_t>(date.month));
  velastro::Store(year, static_cast<int32_t>(date.year));
  velastro::Store(hour, (mjd - dayStart) * 24.0);
}

extern "C" double GetT(double mjd) {
  return (mjd - velastro::kMjdJ2000) / velastro::kDaysPerCentury;
}

extern "C" double TToMJD(double t) { return t * velastro::kDaysPerCentury + velastro::kMjdJ2000; }
