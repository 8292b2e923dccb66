// Rise, upper and lower culmination and set of any object whose place a caller supplies as
// a function of time, during the local civil day of the sky view.
#ifndef VELARION_APP_GROUPSERVICES_RISESET_H
#define VELARION_APP_GROUPSERVICES_RISESET_H

#include "BoundaryRecords.h"
#include "HostExport.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velarion::solar {

// RiseSetRecord and its status values are the kit's (kit::rise_set_record).
using kit::kNeverRises;
using kit::kNeverSets;
using kit::kRisesToday;
using kit::kSetsToday;

struct TRiseSetTimes {
  double riseHours = 0.0;
  double setHours = 0.0;
  double upperCulminationHours = 0.0;
  double lowerCulminationHours = 0.0;
  int32_t status = 0;
};

void WriteRiseSetRecord(const TRiseSetTimes& times, kit::TBytes record);

// The observer and moment of the sky view.
struct TRiseSetObserver {
  double latitudeDeg = 0.0;
  double longitudeEastDeg = 0.0;
  double mjdUt = 0.0;
  double timeZoneHours = 0.0;
  double siderealHours = 0.0;  // local mean sidereal time at mjdUt
  bool refraction = false;
  double pressureMbar = 1010.0;
  double temperatureC = 10.0;
  uint8_t azimuthZero = 0;  // 0 north, 1 south
};

// The observer a group's view parameters describe (no refraction: it only changes the
// altitudes of the event table, never the times).
TRiseSetObserver ObserverOfView(const kit::TViewParameters& view);

// Where the object is at a moment (MJD, universal time): RA, Dec in degrees.
using TPositionAt = std::function<void(double mjdUt, double& raDeg, double& decDeg)>;

// Azimuth and altitude (degrees) of the object at each computed event, in the order upper
// culmination, lower culmination, rise, set.
struct THorizontalPlace {
  double azimuthDeg = 0.0;
  double altitudeDeg = 0.0;
};
enum TRiseSetEvent { kUpperCulmination = 0, kLowerCulmination = 1, kRise = 2, kSet = 3 };
const std::array<THorizontalPlace, 4>& RiseSetEvents();

// The events for the altitude h0Deg that counts as rising; `epochT` is the equinox (T) of
// the place the callback gives.
TRiseSetTimes ComputeRiseSet(const TRiseSetObserver& observer, double h0Deg, double epochT,
                             const TPositionAt& positionAt);

// Whether the first upper culmination after local midnight falls on that day: the Moon,
// some 50 minutes later each day, skips a day a month.
bool CulminatesToday(const TRiseSetTimes& times);

// The lines of the information windows, each ended by a zero byte except the last.
std::string RiseSetText(const TRiseSetTimes& times);

// What the host exports use as the sky view; unset, they compute nothing.
void SetRiseSetViewSource(std::function<TRiseSetObserver()> source);

// The times for the sky view of the host exports (CalcRiseSettTime, ShowRiseSettDialog:
// HostInterface.h); none without a view or a callback.
std::optional<TRiseSetTimes> RiseSetForSkyView(double h0Deg, double epochT,
                                               TRaDecAtMoment callback);

}  // namespace velarion::solar

#endif
