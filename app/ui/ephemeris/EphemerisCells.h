// The text of each cell of an ephemeris table from what was computed for its row (CP1251).
#ifndef VELARION_APP_UI_EPHEMERIS_EPHEMERISCELLS_H
#define VELARION_APP_UI_EPHEMERIS_EPHEMERISCELLS_H

#include "BoundaryRecords.h"
#include "EphemerisColumns.h"
#include "HorizontalCoordinates.h"
#include "RiseSet.h"

#include <optional>
#include <string>

namespace velarion::ephemeris {

// Right ascension and declination (degrees) referred to the true equator and equinox of
// the row's moment.
struct TApparentPlace {
  double raDeg = 0.0;
  double decDeg = 0.0;
};

// The rise/set computation of the row's local day and the event table read right after it.
struct TRiseSetCell {
  solar::TRiseSetTimes times;
  double riseAzimuthDeg = 0.0;
  double setAzimuthDeg = 0.0;
  double culminationAltitudeDeg = 0.0;
};

struct TRowValues {
  double localMjd = 0.0;      // the row's moment in local time
  double mjdUt = 0.0;         // the same in universal time
  std::string name;           // plain text
  kit::TCommonObject record;  // flags 0 when it could not be read
  std::optional<TApparentPlace> ofDate;
  double apparentSiderealHours = 0.0;  // local, at the row's moment
  std::optional<sky::THorizontal> horizontal;
  std::optional<TRiseSetCell> riseSet;
};

// Empty when the row lacks what the column needs.
std::string CellText(TEphemColumn column, const TColumnChoice& choice, TDateStyle date,
                     const TRowValues& row);

// "dd.mm.yyyy" of the local moment, a year <= 0 as 1 - year followed by " до н.э."; with
// `withTime` preceded by "hh mm ss  ". Rounded to the second first.
std::string LocalDateText(double localMjd, bool withTime);

// "1.3.2025 08ч 05м 00с": the local date and time with which the group table heads itself.
std::string HeadingDateText(double localMjd);

}  // namespace velarion::ephemeris

#endif
