#include "EphemerisOptions.h"

#include "ExportOptions.h"
#include "Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace velarion::ui {

namespace {

using ephemeris::TColumnChoice;
using ephemeris::TEphemColumn;

constexpr std::array<std::string_view, 6> kOptionNames = {
    "--ephemeris", "--from", "--to", "--step", "--columns", "--precision"};

constexpr std::array<std::pair<std::string_view, TEphemColumn>, 14> kColumnKeys = {{
    {"date", TEphemColumn::kDate},
    {"jd", TEphemColumn::kJulianDate},
    {"mjd", TEphemColumn::kModifiedJulianDate},
    {"equ", TEphemColumn::kEquatorialOfDate},
    {"ha", TEphemColumn::kEquatorialOfDate},
    {"cat", TEphemColumn::kEquatorialOfCatalogue},
    {"hor", TEphemColumn::kHorizontal},
    {"riseset", TEphemColumn::kRiseSet},
    {"azimuths", TEphemColumn::kRiseSetAzimuths},
    {"culm", TEphemColumn::kCulmination},
    {"mag", TEphemColumn::kMagnitude},
    {"size", TEphemColumn::kSize},
    {"phase", TEphemColumn::kPhase},
    {"dist", TEphemColumn::kDistance},
}};

constexpr std::string_view kDefaultColumns = "date,equ,hor";
constexpr double kMinutesPerHour = 60.0;
constexpr double kHoursPerDay = 24.0;
// Steps beyond a thousand years make no table worth asking for.
constexpr double kLongestStepDays = 366000.0;

// "YYYY-MM-DD" alone is midnight; a "T" may join date and time as in ISO 8601.
std::optional<sky::TLocalDateTime> ParseMoment(std::string_view text) {
  std::string normal(text);
  if (const std::size_t t = normal.find('T'); t != std::string::npos) normal[t] = ' ';
  if (normal.find(' ') == std::string::npos) normal += " 00:00";
  return ParseLocalDateTime(normal);
}

// "1d", "6h", "30m", "0.5d".
std::optional<ephemeris::TStepEntry> ParseStep(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  const char unit = text.back();
  const std::optional<double> n = velplatform::ParseDouble(text.substr(0, text.size() - 1));
  if (!n || !std::isfinite(*n) || *n <= 0.0) return std::nullopt;
  const double hours = unit == 'd'   ? *n * kHoursPerDay
                       : unit == 'h' ? *n
                       : unit == 'm' ? *n / kMinutesPerHour
                                     : -1.0;
  if (hours <= 0.0 || hours > kLongestStepDays * kHoursPerDay) return std::nullopt;
  const double days = std::floor(hours / kHoursPerDay);
  return ephemeris::TStepEntry{static_cast<int32_t>(days), hours - days * kHoursPerDay};
}

std::optional<std::string> TakeNames(std::string_view value, TEphemerisOptions& options) {
  for (const std::string_view name : SplitAt(value, ',')) {
    if (name.empty()) return std::string("--ephemeris wants NAME[,NAME...], no empty name");
    options.names.emplace_back(name);
  }
  return std::nullopt;
}

std::optional<std::string> TakeMoment(std::string_view option, std::string_view value,
                                      std::optional<sky::TLocalDateTime>& moment) {
  moment = ParseMoment(value);
  if (moment) return std::nullopt;
  return std::string(option) + " wants \"YYYY-MM-DD[ HH:MM[:SS]]\", a real date";
}

}  // namespace

TEphemerisOptions DefaultEphemerisOptions() {
  TEphemerisOptions options;
  options.columns = *ParseColumnList(kDefaultColumns);
  return options;
}

bool IsEphemerisOption(std::string_view option) {
  return std::find(kOptionNames.begin(), kOptionNames.end(), option) != kOptionNames.end();
}

std::optional<TColumnChoice> ParseColumnList(std::string_view list) {
  TColumnChoice choice;
  bool rightAscension = false;
  bool hourAngle = false;
  for (const std::string_view key : SplitAt(list, ',')) {
    const auto* found = std::find_if(kColumnKeys.begin(), kColumnKeys.end(),
                                     [key](const auto& entry) { return entry.first == key; });
    if (found == kColumnKeys.end()) return std::nullopt;
    rightAscension = rightAscension || key == "equ";
    hourAngle = hourAngle || key == "ha";
    choice.Show(found->second);
  }
  if (rightAscension && hourAngle) return std::nullopt;
  choice.hourAngle = !rightAscension;
  return choice;
}

std::optional<std::string> TakeEphemerisOption(std::string_view option, std::string_view value,
                                               TEphemerisOptions& options) {
  if (option == "--ephemeris") return TakeNames(value, options);
  if (option == "--from") return TakeMoment(option, value, options.from);
  if (option == "--to") return TakeMoment(option, value, options.to);
  if (option == "--step") {
    const auto step = ParseStep(value);
    if (!step) return std::string("--step wants a positive N followed by m, h or d");
    options.step = *step;
  } else if (option == "--columns") {
    const int32_t precision = options.columns.equatorialPrecision;
    const auto columns = ParseColumnList(value);
    if (!columns) {
      return std::string(
          "--columns wants a comma list of date,jd,mjd,equ,ha,cat,hor,riseset,azimuths,culm,mag,"
          "size,phase,dist (equ or ha)");
    }
    options.columns = *columns;
    options.columns.equatorialPrecision = options.columns.cataloguePrecision = precision;
  } else if (option == "--precision") {
    const std::optional<int64_t> p = velplatform::ParseInteger(value);
    if (!p || *p < 0 || *p >= ephemeris::kEquatorialPrecisions) {
      return std::string("--precision wants 0, 1, 2 or 3");
    }
    options.columns.equatorialPrecision = options.columns.cataloguePrecision =
        static_cast<int32_t>(*p);
  }
  return std::nullopt;
}

std::optional<std::string> EphemerisOptionsConflict(const TEphemerisOptions& options) {
  if (!options.to) return std::nullopt;
  if (options.names.size() != 1) return std::string("--to makes a table of one object only");
  if (!options.from) return std::string("--to needs --from");
  return std::nullopt;
}

}  // namespace velarion::ui
