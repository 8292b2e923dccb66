#include "ExportOptions.h"

#include "Numbers.h"
#include "velastro.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

namespace velarion::ui {

namespace {

using TResult = std::variant<TExportOptions, std::string>;

std::optional<int32_t> WholeNumber(std::string_view text, int64_t low, int64_t high) {
  if (text.empty() || text.front() == '+' || text.front() == ' ') return std::nullopt;
  const std::optional<int64_t> n = velplatform::ParseInteger(text);
  if (!n || *n < low || *n > high) return std::nullopt;
  return static_cast<int32_t>(*n);
}

std::optional<double> Number(std::string_view text, double low, double high) {
  const std::optional<double> x = velplatform::ParseDouble(text);
  if (!x || !std::isfinite(*x) || *x < low || *x > high) return std::nullopt;
  return x;
}

bool ParseSize(std::string_view text, TExportOptions& options) {
  const std::vector<std::string_view> parts = SplitAt(text, 'x');
  if (parts.size() != 2) return false;
  const auto w = WholeNumber(parts[0], 1, kMaxExportSide);
  const auto h = WholeNumber(parts[1], 1, kMaxExportSide);
  if (!w || !h) return false;
  options.width = *w;
  options.height = *h;
  return true;
}

// A real calendar day: the date survives the trip to MJD and back.
bool IsCalendarDay(const sky::TLocalDateTime& t) {
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31) return false;
  int32_t day = 0, month = 0, year = 0;
  double hour = 0.0;
  CalDat(MJD(t.day, t.month, t.year, 12.0), &day, &month, &year, &hour);
  return day == t.day && month == t.month && year == t.year;
}

std::optional<TExportPlace> ParsePlace(std::string_view text) {
  const std::vector<std::string_view> parts = SplitAt(text, ',');
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  const auto latitude = Number(parts[0], -90.0, 90.0);
  const auto longitude = Number(parts[1], -180.0, 180.0);
  if (!latitude || !longitude) return std::nullopt;
  TExportPlace place{*latitude, *longitude, std::nullopt};
  if (parts.size() == 3) {
    place.timeZone = Number(parts[2], -12.0, 14.0);
    if (!place.timeZone) return std::nullopt;
  }
  return place;
}

// Every option of the commands; each but the switches takes one value.
constexpr std::array<std::string_view, 12> kOptionNames = {
    "--export", "--info",   "--size",  "--time",   "--location", "--zoom",
    "--depth",  "--legend", "--state", "--phases", "--eclipse",  "--next"};
constexpr std::string_view kLegendSwitch = "--legend";
constexpr std::string_view kPhasesSwitch = "--phases";
constexpr std::string_view kEclipseSwitch = "--eclipse";

// The kind by the file's extension and a depth that kind takes.
std::optional<std::string> PictureChoiceProblem(TExportOptions& options) {
  const std::optional<TPictureKind> kind = PictureKindOfFile(options.file);
  if (!kind) {
    return options.file + ": give a name ending in .png, .bmp, .gif, .svg, .pdf, .wmf or .emf";
  }
  options.kind = *kind;
  if (options.depth && !KindTakesDepth(*kind, *options.depth)) {
    std::string depths;
    for (const TDepthChoice& choice : PictureKindRow(*kind).depths)
      depths += (depths.empty() ? "" : ", ") + std::to_string(choice.bits);
    return std::string(PictureKindRow(*kind).extension) + " pictures take --depth " + depths;
  }
  return std::nullopt;
}

bool IsExportOption(std::string_view argument) {
  return std::find(kOptionNames.begin(), kOptionNames.end(), argument) != kOptionNames.end();
}

// A state file named without --state, as a file manager passes it.
bool NamesStateFile(std::string_view argument) {
  constexpr std::string_view kExtension = ".vls";
  if (argument.size() <= kExtension.size() || argument.starts_with("--")) return false;
  const std::string_view extension = argument.substr(argument.size() - kExtension.size());
  return std::equal(extension.begin(), extension.end(), kExtension.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

}  // namespace

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::optional<sky::TLocalDateTime> ParseLocalDateTime(std::string_view text) {
  const std::vector<std::string_view> dateAndTime = SplitAt(text, ' ');
  if (dateAndTime.size() != 2) return std::nullopt;
  std::string_view date = dateAndTime[0];
  const bool negativeYear = !date.empty() && date.front() == '-';
  if (negativeYear) date.remove_prefix(1);
  const std::vector<std::string_view> ymd = SplitAt(date, '-');
  const std::vector<std::string_view> hms = SplitAt(dateAndTime[1], ':');
  if (ymd.size() != 3 || hms.size() < 2 || hms.size() > 3) return std::nullopt;
  const auto year = WholeNumber(ymd[0], 0, 9999);
  const auto month = WholeNumber(ymd[1], 1, 12);
  const auto day = WholeNumber(ymd[2], 1, 31);
  const auto hour = WholeNumber(hms[0], 0, 23);
  const auto minute = WholeNumber(hms[1], 0, 59);
  const auto second = hms.size() == 3 ? WholeNumber(hms[2], 0, 59) : std::optional<int32_t>(0);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  const sky::TLocalDateTime t{*day, *month, negativeYear ? -*year : *year, *hour, *minute, *second};
  if (t.year < -9998 || !IsCalendarDay(t)) return std::nullopt;
  return t;
}

TResult ParseExportOptions(std::span<const std::string_view> arguments) {
  TExportOptions options;
  TEphemerisOptions ephemeris = DefaultEphemerisOptions();
  bool ephemerisOption = false;
  int commands = 0;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view option = arguments[i];
    if (NamesStateFile(option)) {
      if (!options.stateFile.empty()) return std::string("one state file at most");
      options.stateFile = option;
      continue;
    }
    if (!IsExportOption(option) && !IsEphemerisOption(option)) {
      return std::string("unknown option ").append(option);
    }
    if (option == kLegendSwitch) {
      options.legend = true;
      continue;
    }
    if (option == kPhasesSwitch || option == kEclipseSwitch) {
      options.lunarReport =
          option == kPhasesSwitch ? TLunarReport::kPhases : TLunarReport::kEclipses;
      ++commands;
      continue;
    }
    if (i + 1 >= arguments.size()) return std::string("missing value after ").append(option);
    const std::string_view value = arguments[++i];
    if (IsEphemerisOption(option)) {
      if (auto message = TakeEphemerisOption(option, value, ephemeris)) return *message;
      if (option == "--ephemeris") {
        ++commands;
      } else {
        ephemerisOption = true;
      }
      continue;
    }
    if (option == "--export") {
      if (value.empty()) return std::string("--export needs a file name");
      options.file = value;
      ++commands;
    } else if (option == "--state") {
      if (value.empty()) return std::string("--state needs a state file");
      if (!options.stateFile.empty()) return std::string("one state file at most");
      options.stateFile = value;
    } else if (option == "--info") {
      if (value.empty()) return std::string("--info needs the name of an object");
      options.infoName = value;
      ++commands;
    } else if (option == "--size") {
      if (!ParseSize(value, options)) {
        return "--size wants WIDTHxHEIGHT, each 1 to " + std::to_string(kMaxExportSide);
      }
    } else if (option == "--time") {
      options.time = ParseLocalDateTime(value);
      if (!options.time) return std::string("--time wants \"YYYY-MM-DD HH:MM[:SS]\", a real date");
    } else if (option == "--location") {
      options.place = ParsePlace(value);
      if (!options.place) {
        return std::string("--location wants LAT,LON[,ZONE]: -90..90, -180..180, -12..14");
      }
    } else if (option == "--next") {
      options.followingEclipses = WholeNumber(value, 1, kMaxFollowingEclipses);
      if (!options.followingEclipses) {
        return "--next wants a whole number from 1 to " + std::to_string(kMaxFollowingEclipses);
      }
    } else if (option == "--depth") {
      options.depth = WholeNumber(value, 1, 24);
      if (!options.depth) return std::string("--depth wants 1, 8 or 24");
    } else if (option == "--zoom") {
      options.zoom = WholeNumber(value, sky::TSkyImage::kMinZoom, sky::TSkyImage::kMaxZoom);
      if (!options.zoom) {
        return "--zoom wants a whole percentage from " + std::to_string(sky::TSkyImage::kMinZoom) +
               " to " + std::to_string(sky::TSkyImage::kMaxZoom);
      }
    }
  }
  if (commands == 0) {
    return std::string(
        "--export FILE, --info NAME, --ephemeris NAME, --phases or --eclipse is missing");
  }
  if (commands > 1) {
    return std::string("one of --export, --info, --ephemeris, --phases and --eclipse at a time");
  }
  if (!options.stateFile.empty() && options.file.empty())
    return std::string("a state file goes with --export");
  if (options.followingEclipses && options.lunarReport != TLunarReport::kEclipses)
    return std::string("--next goes with --eclipse");
  if (ephemeris.names.empty()) {
    if (ephemerisOption)
      return std::string("--from, --to, --step, --columns and --precision go with --ephemeris");
    if (options.file.empty()) {
      if (options.depth || options.legend)
        return std::string("--depth and --legend go with --export");
      return options;
    }
    if (auto problem = PictureChoiceProblem(options)) return *problem;
    return options;
  }
  if (options.time) return std::string("--ephemeris takes its moment from --from, not --time");
  if (auto message = EphemerisOptionsConflict(ephemeris)) return *message;
  options.ephemeris = std::move(ephemeris);
  return options;
}

}  // namespace velarion::ui
