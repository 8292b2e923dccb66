// The pieces both Moon reports write: the time zone, ΔT, a span of two dates and the local
// time of a moment to a tenth of a minute. CP1251.
#ifndef VELARION_APP_SOLAR_LUNAR_REPORTPIECES_H
#define VELARION_APP_SOLAR_LUNAR_REPORTPIECES_H

#include "Language.h"

#include <string>

namespace velarion::lunar {

// "+ 3.0", "- 5.0".
std::string ZoneText(double zoneHours);
// ΔT in seconds with one decimal, "+" before a positive value.
std::string DeltaTText(double deltaTDays);
// The dates of two moments, their common ending (year and era, month) written once:
// "15 - 16 июн 2011 н.э.", "31 май - 1 июн 2011 н.э."; one date when both are the same
// day. A date is cut only between its day, month, year and era, never inside them.
std::string DateSpanText(double firstMjd, double secondMjd, sky::TLanguage language);
// The moment rounded to a tenth of a minute, so that its date and its time agree.
double RoundedToTenthMinute(double mjd);
// The time of day of a moment so rounded: "21ч 3.4м", never 24 hours.
std::string TimeOfDayText(double mjd, sky::TLanguage language);

}  // namespace velarion::lunar

#endif
