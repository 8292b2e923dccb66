// The command line of the commands that need no window:
//   velarion --export FILE [--size WxH] [--time "YYYY-MM-DD HH:MM[:SS]"]
//            [--location LAT,LON[,ZONE]] [--zoom PERCENT] [--depth 1|8|24] [--legend]
//            [--state VIEW.vls | VIEW.vls]
//            (the kind of picture by FILE's extension: PictureKinds.h)
//   velarion --info NAME [--time "YYYY-MM-DD HH:MM[:SS]"] [--location LAT,LON[,ZONE]]
//   velarion --ephemeris NAME[,NAME…] [--from T] [--to T] [--step N{m,h,d}]
//            [--columns LIST] [--precision 0..3] [--location LAT,LON[,ZONE]]
//            (EphemerisOptions.h)
//   velarion --phases [--time "YYYY-MM-DD HH:MM[:SS]"] [--location LAT,LON[,ZONE]]
//   velarion --eclipse [--next N] [--time "YYYY-MM-DD HH:MM[:SS]"] [--location LAT,LON[,ZONE]]
//            (the main phases of the lunation of the moment; the lunar eclipse nearest the
//            moment and the N (1 .. 100) that follow it)
// A state file (given with --state, or as an argument ending in ".vls") is applied to the
// configured view first; --time, --location and --zoom then override what it set.
// The time is local time of the place's zone; years are astronomical (0 is 1 BC, a leading
// "-" before it), on the program's calendar (Julian before 15 October 1582).
#ifndef VELARION_APP_UI_EXPORTOPTIONS_H
#define VELARION_APP_UI_EXPORTOPTIONS_H

#include "EphemerisOptions.h"
#include "PictureKinds.h"
#include "SkyImage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velarion::ui {

inline constexpr int32_t kDefaultExportWidth = 1600;
inline constexpr int32_t kDefaultExportHeight = 1200;
inline constexpr int32_t kMaxExportSide = kMaxPictureSide;
inline constexpr int32_t kMaxFollowingEclipses = 100;

// The Moon's reports a command prints.
enum class TLunarReport { kNone, kPhases, kEclipses };

struct TExportPlace {
  double latitude = 0.0;
  double longitude = 0.0;  // east positive
  std::optional<double> timeZone;
};

struct TExportOptions {
  std::string file;      // the picture to write (--export)
  std::string infoName;  // UTF-8, the object to describe (--info)
  int32_t width = kDefaultExportWidth;
  int32_t height = kDefaultExportHeight;
  std::optional<sky::TLocalDateTime> time;  // none: now
  std::optional<TExportPlace> place;        // none: the configured place
  std::optional<int32_t> zoom;              // none: 100
  TPictureKind kind = TPictureKind::kPng;   // by the file's extension
  std::optional<int32_t> depth;             // bits per pixel; none: the kind's default
  bool legend = false;
  std::optional<TEphemerisOptions> ephemeris;      // the tables to print (--ephemeris)
  std::string stateFile;                           // the view to apply first; empty: none
  TLunarReport lunarReport = TLunarReport::kNone;  // --phases or --eclipse
  std::optional<int32_t> followingEclipses;        // --next: eclipses after the nearest one
};

// The parts of a text between the separators (one part when there is none).
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// "YYYY-MM-DD HH:MM[:SS]", a real date of the program's calendar; none otherwise.
std::optional<sky::TLocalDateTime> ParseLocalDateTime(std::string_view text);

// The options, or the one-line message that says what is wrong.
std::variant<TExportOptions, std::string> ParseExportOptions(
    std::span<const std::string_view> arguments);

}  // namespace velarion::ui

#endif
