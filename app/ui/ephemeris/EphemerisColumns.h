// The columns of the ephemeris tables: which a table shows and in what order, the header
// lines, the width and the units line of each. Texts are CP1251.
#ifndef VELARION_APP_UI_EPHEMERIS_EPHEMERISCOLUMNS_H
#define VELARION_APP_UI_EPHEMERIS_EPHEMERISCOLUMNS_H

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velarion::ephemeris {

// In the order in which a table lays them out.
enum class TEphemColumn : uint8_t {
  kDate,
  kJulianDate,
  kModifiedJulianDate,
  kName,
  kEquatorialOfDate,
  kEquatorialOfCatalogue,
  kHorizontal,
  kRiseSet,
  kRiseSetAzimuths,
  kCulmination,
  kMagnitude,
  kSize,
  kPhase,
  kDistance,
};
inline constexpr std::size_t kEphemColumnKinds = 14;

// The precisions of the two equatorial columns, 0 … 3, as their combo boxes show them.
inline constexpr int32_t kEquatorialPrecisions = 4;
const std::array<std::string, kEquatorialPrecisions>& EquatorialPrecisionNames();

enum class TTableKind : uint8_t { kPeriod, kGroup };

// What the column page chose.
struct TColumnChoice {
  std::bitset<kEphemColumnKinds> shown;
  int32_t equatorialPrecision = 0;  // kEquatorialOfDate, 0 … 3
  int32_t cataloguePrecision = 0;   // kEquatorialOfCatalogue, 0 … 3
  bool hourAngle = true;            // kEquatorialOfDate shows the hour angle, not the RA
  bool Shows(TEphemColumn column) const { return shown[static_cast<std::size_t>(column)]; }
  void Show(TEphemColumn column, bool on = true) { shown[static_cast<std::size_t>(column)] = on; }
};

// How a period table writes its dates: without the time of day when every row falls at
// midnight, wider when the table begins before 1 January of year 1 (the era is written).
struct TDateStyle {
  bool wholeDays = false;
  bool beforeChrist = false;
};

struct TColumnLayout {
  TEphemColumn kind = TEphemColumn::kDate;
  std::vector<std::string> header;
  std::string units;
  int32_t width = 0;  // of every cell line, the longest header line included
};

// The columns a table of `kind` shows, in order. A group table always names its objects
// (the longest of `names` under 40 characters widens that column) and never shows the
// date, JD or MJD as columns: it heads itself with the moment instead.
std::vector<TColumnLayout> LayOutColumns(const TColumnChoice& choice, TTableKind kind,
                                         TDateStyle date, std::span<const std::string> names = {});

}  // namespace velarion::ephemeris

#endif
