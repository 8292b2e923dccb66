#include "EphemerisCells.h"

#include "AngleUtils.h"
#include "Concat.h"
#include "Cp1251.h"
#include "Language.h"
#include "Numbers.h"
#include "TableText.h"
#include "Units.h"
#include "ValueFormat.h"
#include "velastro.h"

#include <cmath>
#include <cstdio>

namespace velarion::ephemeris {

namespace {

using sky::FormatAngle;
using sky::TAngleResolution;
using sky::TAngleUnit;
using velplatform::Concat;
using velplatform::FixedToText;

constexpr float kSecondsBelowDeg = 0.1F;
constexpr float kMinutesBelowDeg = 1.0F;
constexpr float kKilometresBelowAu = 0.004F;
constexpr double kKmPerAuRounded = 149597870.0;

struct TSexagesimalFormat {
  TAngleResolution resolution;
  int decimals;
};
// Right ascension and declination of each precision.
constexpr TSexagesimalFormat kRaFormats[kEquatorialPrecisions] = {{TAngleResolution::kMinutes, 1},
                                                                  {TAngleResolution::kSeconds, 0},
                                                                  {TAngleResolution::kSeconds, 1},
                                                                  {TAngleResolution::kSeconds, 2}};
constexpr TSexagesimalFormat kDecFormats[kEquatorialPrecisions] = {{TAngleResolution::kMinutes, 0},
                                                                   {TAngleResolution::kMinutes, 1},
                                                                   {TAngleResolution::kSeconds, 0},
                                                                   {TAngleResolution::kSeconds, 1}};

// The formatter's fields without their unit letters: "5ч 3м" becomes "5 3".
std::string WithoutUnits(std::string_view text) {
  std::string fields;
  for (const char c : text) {
    if ((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == ' ') fields += c;
  }
  return fields;
}

std::string Fields(TAngleUnit unit, TSexagesimalFormat format, bool showPlus, double x) {
  return TwoDigitRuns(WithoutUnits(FormatAngle(unit, format.resolution, format.decimals, showPlus,
                                               x, sky::TLanguage::kRussian)));
}

std::string HoursAndMinutes(double hours) {
  return Fields(TAngleUnit::kHours, {TAngleResolution::kMinutes, 0}, false, hours);
}

std::string Equatorial(double raHours, double decDeg, int32_t precision) {
  const std::size_t p =
      static_cast<std::size_t>(std::clamp(precision, 0, kEquatorialPrecisions - 1));
  return Concat({" ", Fields(TAngleUnit::kHours, kRaFormats[p], false, raHours), " ",
                 Fields(TAngleUnit::kDegrees, kDecFormats[p], true, decDeg)});
}

// The integer part zero-padded to `digits`, a sign in front when asked for.
std::string Padded(double x, int decimals, int digits, bool plusWhenPositive, bool plusAtZero) {
  std::string text = FixedToText(std::fabs(x), decimals);
  const std::size_t point = text.find('.');
  const std::size_t whole = point == std::string::npos ? text.size() : point;
  if (whole < static_cast<std::size_t>(digits)) text.insert(0, digits - whole, '0');
  const bool negative = x < 0.0 && text.find_first_not_of("0.") != std::string::npos;
  if (negative) return "-" + text;
  if (plusWhenPositive && (x > 0.0 || plusAtZero)) return "+" + text;
  return text;
}

std::string HoursCell(const TRowValues& row, const TColumnChoice& choice) {
  const TApparentPlace& place = *row.ofDate;
  const double raHours = choice.hourAngle
                             ? sky::Reduce360(15.0 * row.apparentSiderealHours - place.raDeg) / 15.0
                             : place.raDeg / 15.0;
  return Equatorial(raHours, place.decDeg, choice.equatorialPrecision);
}

std::string HorizontalCell(const sky::THorizontal& h) {
  return Concat(
      {" ", Padded(h.azimuth, 3, 3, false, false), " ", Padded(h.altitude, 3, 2, true, true)});
}

// "Не заходит" or "Не восходит" for an object that does neither that day.
std::optional<std::string> NoRiseOrSet(const solar::TRiseSetTimes& times) {
  if (times.status == solar::kNeverSets) return " " + velplatform::Cp1251("Не заходит");
  if (times.status == solar::kNeverRises) return " " + velplatform::Cp1251("Не восходит");
  return std::nullopt;
}

bool Rises(const solar::TRiseSetTimes& t) { return (t.status & solar::kRisesToday) != 0; }
bool Sets(const solar::TRiseSetTimes& t) { return (t.status & solar::kSetsToday) != 0; }

std::string RiseSetCell(const TRiseSetCell& r) {
  if (auto text = NoRiseOrSet(r.times)) return *text;
  return Concat({" ", Rises(r.times) ? HoursAndMinutes(r.times.riseHours) : "  -  ", "  ",
                 Sets(r.times) ? HoursAndMinutes(r.times.setHours) : "  -   "});
}

std::string WholeAzimuth(double azimuthDeg) {
  return Padded(static_cast<double>(sky::RoundToInt64(azimuthDeg)), 0, 3, false, false);
}

std::string AzimuthsCell(const TRiseSetCell& r) {
  if (auto text = NoRiseOrSet(r.times)) return *text;
  return Concat({" ", Rises(r.times) ? WholeAzimuth(r.riseAzimuthDeg) : " - ", "  ",
                 Sets(r.times) ? WholeAzimuth(r.setAzimuthDeg) : " - "});
}

std::string CulminationCell(const TRiseSetCell& r) {
  return Concat({" ", HoursAndMinutes(r.times.upperCulminationHours), "  ",
                 Padded(r.culminationAltitudeDeg, 1, 2, true, false)});
}

bool Has(const kit::TCommonObject& record, int32_t flag) { return (record.flags & flag) != 0; }

std::string MagnitudeCell(const kit::TCommonObject& record) {
  if (Has(record, kit::kObjectVisualMagnitude)) {
    return PadFront(FixedToText(record.visualMagnitude, 2), 5);
  }
  if (Has(record, kit::kObjectPhotographicMagnitude)) {
    return PadFront(FixedToText(record.photographicMagnitude, 2), 5);
  }
  return {};
}

std::string SizeCell(float sizeDeg) {
  if (sizeDeg < kSecondsBelowDeg) return PadFront(FixedToText(sizeDeg * 3600.0, 0) + "\"", 5);
  if (sizeDeg < kMinutesBelowDeg) return PadFront(FixedToText(sizeDeg * 60.0, 2) + "'", 5);
  return PadFront(FixedToText(sizeDeg, 3) + velplatform::Cp1251("°"), 5);
}

std::string DistanceCell(float distanceAu) {
  if (distanceAu < kKilometresBelowAu) {
    return PadFront(FixedToText(distanceAu * kKmPerAuRounded, 0) + velplatform::Cp1251(" км"), 11);
  }
  return PadFront(FixedToText(distanceAu, 4) + velplatform::Cp1251(" а.е."), 11);
}

struct TLocalDate {
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;
  double hour = 0.0;
};

TLocalDate DateOf(double localMjd) {
  const double shown =
      std::nearbyint(localMjd * velcommon::kSecondsPerDay) / velcommon::kSecondsPerDay;
  TLocalDate d;
  CalDat(shown, &d.day, &d.month, &d.year, &d.hour);
  return d;
}

// "2025", or "100 до н.э." for the astronomical year -99.
std::string YearText(int32_t year) {
  if (year > 0) return std::to_string(year);
  return Concat({std::to_string(1 - static_cast<int64_t>(year)), " ",
                 sky::EraNames(sky::TLanguage::kRussian).beforeChrist});
}

std::string TimeOfDay(double hour) {
  return Fields(TAngleUnit::kHours, {TAngleResolution::kSeconds, 0}, false, hour);
}

std::string TwoDigits(int32_t n) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

}  // namespace

std::string LocalDateText(double localMjd, bool withTime) {
  const TLocalDate d = DateOf(localMjd);
  const std::string date =
      Concat({TwoDigits(d.day), ".", TwoDigits(d.month), ".", YearText(d.year)});
  return withTime ? Concat({TimeOfDay(d.hour), "  ", date}) : date;
}

std::string HeadingDateText(double localMjd) {
  const TLocalDate d = DateOf(localMjd);
  const std::string time = TwoDigitRuns(FormatAngle(TAngleUnit::kHours, TAngleResolution::kSeconds,
                                                    0, false, d.hour, sky::TLanguage::kRussian));
  return Concat(
      {std::to_string(d.day), ".", std::to_string(d.month), ".", YearText(d.year), " ", time});
}

std::string CellText(TEphemColumn column, const TColumnChoice& choice, TDateStyle date,
                     const TRowValues& row) {
  const kit::TCommonObject& record = row.record;
  switch (column) {
    case TEphemColumn::kDate:
      return LocalDateText(row.localMjd, !date.wholeDays);
    case TEphemColumn::kJulianDate:
      return PadFront(FixedToText(row.mjdUt + velcommon::kJdMjdZero, 5), 13);
    case TEphemColumn::kModifiedJulianDate:
      return PadFront(FixedToText(row.mjdUt, 5), 13);
    case TEphemColumn::kName:
      return row.name;
    case TEphemColumn::kEquatorialOfDate:
      return row.ofDate ? HoursCell(row, choice) : "";
    case TEphemColumn::kEquatorialOfCatalogue:
      if (!Has(record, kit::kObjectCataloguePosition)) return {};
      return Equatorial(record.raCatalogue / 15.0, record.decCatalogue, choice.cataloguePrecision);
    case TEphemColumn::kHorizontal:
      return row.horizontal ? HorizontalCell(*row.horizontal) : "";
    case TEphemColumn::kRiseSet:
      return row.riseSet ? RiseSetCell(*row.riseSet) : "";
    case TEphemColumn::kRiseSetAzimuths:
      return row.riseSet ? AzimuthsCell(*row.riseSet) : "";
    case TEphemColumn::kCulmination:
      return row.riseSet ? CulminationCell(*row.riseSet) : "";
    case TEphemColumn::kMagnitude:
      return MagnitudeCell(record);
    case TEphemColumn::kSize:
      return Has(record, kit::kObjectSize) ? SizeCell(record.sizeDeg) : "";
    case TEphemColumn::kPhase:
      return Has(record, kit::kObjectPhase) ? PadFront(FixedToText(record.phase, 2), 3) : "";
    case TEphemColumn::kDistance:
      return Has(record, kit::kObjectDistance) ? DistanceCell(record.distanceAu) : "";
  }
  return {};
}

}  // namespace velarion::ephemeris
