// The decisions of pointing the view at a found object: whether it ever rises here, how far
// the time must move to bring it to its transit, and its place in the frame of the date.
#ifndef VELARION_APP_UI_WINDOW_OBJECTSEARCH_H
#define VELARION_APP_UI_WINDOW_OBJECTSEARCH_H

#include <cstdint>

namespace velarion::ui {

// Never above the horizon at latitude φ: φ ≥ 0 and Dec < φ − 90, or φ < 0 and Dec > φ + 90.
bool NeverRises(double decDeg, double latitudeDeg);

// The change of the view time (days) that brings a place of RA `raDeg` to the meridian:
// the hour offset RA/15 − sidereal time reduced to [−12, 12), in sidereal hours.
double TransitShiftDays(double raDeg, double siderealHours);

struct TEquatorial {
  double raDeg;
  double decDeg;
};
// A place in the mean equator of epoch T (centuries from J2000) in the mean equator of the
// date T.
TEquatorial PrecessToDate(TEquatorial place, double epochT, double dateT);

}  // namespace velarion::ui

#endif
