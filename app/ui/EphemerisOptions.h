// The options of "--ephemeris NAME[,NAME…]" (ExportOptions.h has the whole command line):
//   --from T, --to T   local times "YYYY-MM-DD[ HH:MM[:SS]]" (a "T" may stand for the blank);
//                      one name with --from and --to: the table over the period; otherwise
//                      the table of the objects at --from (or now)
//   --step N{m,h,d}    the period table's step in minutes, hours or days (default 1d)
//   --columns LIST     comma list of date,jd,mjd,equ,ha,cat,hor,riseset,azimuths,culm,mag,
//                      size,phase,dist (equ: right ascension, ha: hour angle; default
//                      date,equ,hor)
//   --precision P      0 … 3, of both equatorial columns (default 0)
#ifndef VELARION_APP_UI_EPHEMERISOPTIONS_H
#define VELARION_APP_UI_EPHEMERISOPTIONS_H

#include "EphemerisColumns.h"
#include "SkyImage.h"
#include "TablePeriod.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::ui {

struct TEphemerisOptions {
  std::vector<std::string> names;  // UTF-8
  std::optional<sky::TLocalDateTime> from;
  std::optional<sky::TLocalDateTime> to;
  ephemeris::TStepEntry step;
  ephemeris::TColumnChoice columns;
  bool PeriodTable() const { return to.has_value(); }
};

// No names yet, the default step and columns.
TEphemerisOptions DefaultEphemerisOptions();

// Whether the option belongs to "--ephemeris".
bool IsEphemerisOption(std::string_view option);

// Takes one option with its value; the one-line message when the value is wrong.
std::optional<std::string> TakeEphemerisOption(std::string_view option, std::string_view value,
                                               TEphemerisOptions& options);

// The columns of "--columns"; none when a key is unknown or both equ and ha are given.
std::optional<ephemeris::TColumnChoice> ParseColumnList(std::string_view list);

// The message for options that do not go together, none when they do.
std::optional<std::string> EphemerisOptionsConflict(const TEphemerisOptions& options);

}  // namespace velarion::ui

#endif
