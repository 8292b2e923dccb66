#include "ReportPieces.h"

#include "ValueFormat.h"

#include <array>
#include <cmath>
#include <string_view>

namespace velarion::lunar {

namespace {

constexpr double kTenthsPerDay = 14400.0;

// Day, month, year and the era (which may hold a space) of a date without its time.
std::array<std::string, 4> DateFields(double mjd, sky::TLanguage language) {
  const std::string text = sky::FormatDate(false, mjd, language);
  std::array<std::string, 4> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t space = text.find(' ', start);
    fields[i] = text.substr(start, space - start);
    start = space == std::string::npos ? text.size() : space + 1;
  }
  fields[3] = text.substr(start);
  return fields;
}

std::string Joined(const std::array<std::string, 4>& fields, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += (text.empty() ? "" : " ") + fields[i];
  return text;
}

}  // namespace

std::string ZoneText(double zoneHours) {
  return (zoneHours >= 0.0 ? "+ " : "- ") + sky::FixedToText(1, std::fabs(zoneHours));
}

std::string DeltaTText(double deltaTDays) {
  const double seconds = deltaTDays * 86400.0;
  return (seconds > 0.0 ? "+" : "") + sky::FixedToText(1, seconds);
}

std::string DateSpanText(double firstMjd, double secondMjd, sky::TLanguage language) {
  const auto a = DateFields(firstMjd, language);
  const auto b = DateFields(secondMjd, language);
  std::size_t kept = a.size();
  while (kept > 0 && a[kept - 1] == b[kept - 1]) --kept;
  if (kept == 0) return Joined(a, 0, a.size());
  return Joined(a, 0, kept) + " - " + Joined(b, 0, b.size());
}

double RoundedToTenthMinute(double mjd) {
  return std::nearbyint(mjd * kTenthsPerDay) / kTenthsPerDay;
}

std::string TimeOfDayText(double mjd, sky::TLanguage language) {
  const double tenths = std::nearbyint(mjd * kTenthsPerDay);
  const double ofDay = tenths - std::floor(tenths / kTenthsPerDay) * kTenthsPerDay;
  return sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kMinutes, 1, false,
                          ofDay / 600.0, language);
}

}  // namespace velarion::lunar
