// `--ephemeris` against JPL DE405: the places of date, altitudes, azimuths, rises, sets and
// culminations its tables print for the Moon and Mars every day of March 2025 and for
// thirteen bright stars on one evening, at three places
// (tests/fixtures/oracles/ephemeris_tables.csv, tools/oracles/make_ephemeris_tables_oracle.py).
#include "EphemerisCommand.h"

#include "CommandFolder.h"
#include "OracleObjects.h"
#include "OracleTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using veltest::TOracleTable;

// The oracle's altitudes have no refraction; neither have the program's with this setting.
constexpr std::string_view kSettings =
    "[Sky]\nObjectsVis=1,0,0,0,1,1,1,1,1,1,1,0,0,0,0,1\nRefraction=0\n";
// An arc-second, and the last printed digit: 0.01 s of right ascension, 0.1" of declination.
constexpr double kRaToleranceArcsec = 1.0 + 0.15;
constexpr double kDecToleranceArcsec = 1.0 + 0.1;
constexpr double kHorizontalToleranceDeg = 1.0 / 60.0;
// A minute, and half a minute more for the printed times, rounded to minutes.
constexpr double kTimeToleranceMinutes = 1.5;
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
constexpr char kColumns[] = "date,equ,hor,riseset,culm";

// Every table's data rows as their cells (UTF-8), a row per line: what follows the units
// line, which follows the second line of hyphens.
std::vector<std::vector<std::string>> DataRows(const std::string& printed) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(printed);
  int hyphenLines = 0;
  bool unitsSeen = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("---")) {
      ++hyphenLines;
      continue;
    }
    if (hyphenLines < 2) continue;
    if (!unitsSeen) {
      unitsSeen = true;
      continue;
    }
    std::vector<std::string> cells;
    for (std::size_t start = 0, bar; (bar = line.find('|', start)) != std::string::npos;
         start = bar + 1) {
      cells.push_back(line.substr(start, bar - start));
    }
    rows.push_back(cells);
  }
  return rows;
}

std::string Print(const std::vector<std::string_view>& arguments, const std::string& folder) {
  auto parsed = velarion::ui::ParseExportOptions(arguments);
  const auto* options = std::get_if<velarion::ui::TExportOptions>(&parsed);
  EXPECT_NE(options, nullptr) << std::get<std::string>(parsed);
  if (options == nullptr) return {};
  std::ostringstream out, log;
  EXPECT_EQ(velarion::ui::RunEphemeris(*options, folder, out, log), 0) << log.str();
  return out.str();
}

// "hh mm" in minutes; none for "-" or a blank.
std::optional<double> Minutes(std::string_view text) {
  int hours = 0, minutes = 0;
  if (std::sscanf(std::string(text).c_str(), "%d %d", &hours, &minutes) != 2) return std::nullopt;
  return hours * 60.0 + minutes;
}

class TRowCheck {
 public:
  TRowCheck(const TOracleTable& table, std::size_t row, veltest::TLargestDifferences& largest)
      : table_(table), row_(row), largest_(largest), object_(table.Text(row, "object")) {}

  void Place(const std::string& cell) {
    int h = 0, m = 0, d = 0, dm = 0;
    double s = 0.0, ds = 0.0;
    char sign = '+';
    ASSERT_EQ(std::sscanf(cell.c_str(), "%d %d %lf %c%d %d %lf", &h, &m, &s, &sign, &d, &dm, &ds),
              7)
        << Where() << cell;
    const double raHours = h + m / 60.0 + s / 3600.0;
    const double decDeg = (sign == '-' ? -1.0 : 1.0) * (d + dm / 60.0 + ds / 3600.0);
    const double dec = table_.Number(row_, "dec_deg");
    const double raApart =
        std::fabs(std::remainder(raHours - table_.Number(row_, "ra_h"), 24.0)) * 54000.0;
    const double raArcsec = raApart * std::cos(dec * kDegToRad);
    const double decArcsec = std::fabs(decDeg - dec) * 3600.0;
    largest_.Add(object_, "RA\"", raArcsec);
    largest_.Add(object_, "Dec\"", decArcsec);
    EXPECT_LE(raArcsec, kRaToleranceArcsec) << Where() << cell;
    EXPECT_LE(decArcsec, kDecToleranceArcsec) << Where() << cell;
  }

  void Horizontal(const std::string& cell) {
    double az = 0.0, alt = 0.0;
    ASSERT_EQ(std::sscanf(cell.c_str(), "%lf %lf", &az, &alt), 2) << Where() << cell;
    const double oracleAlt = table_.Number(row_, "alt_deg");
    const double azApart = std::fabs(std::remainder(az - table_.Number(row_, "az_deg"), 360.0)) *
                           std::cos(oracleAlt * kDegToRad);
    largest_.Add(object_, "az'", azApart * 60.0);
    largest_.Add(object_, "alt'", std::fabs(alt - oracleAlt) * 60.0);
    EXPECT_LE(azApart, kHorizontalToleranceDeg) << Where() << cell;
    EXPECT_NEAR(alt, oracleAlt, kHorizontalToleranceDeg) << Where() << cell;
  }

  // " hh mm  hh mm", "  -  " for a rise or "  -   " for a set not on that day, or the
  // words for an object that never rises or never sets.
  void RiseAndSet(const std::string& cell) {
    const std::string& status = table_.Text(row_, "status");
    if (cell.find("Не заходит") != std::string::npos) {
      EXPECT_EQ(status, "never_sets") << Where();
      return;
    }
    if (cell.find("Не восходит") != std::string::npos) {
      EXPECT_EQ(status, "never_rises") << Where();
      return;
    }
    ASSERT_EQ(status, "rises") << Where() << cell;
    ASSERT_GE(cell.size(), 13u) << Where() << cell;
    Time("rise", Minutes(cell.substr(1, 5)), "rise_h", cell);
    Time("set", Minutes(cell.substr(8, 5)), "set_h", cell);
  }

  void Culmination(const std::string& cell) {
    if (table_.Text(row_, "culmination_h") == "none") return;  // none that day
    Time("culmination", Minutes(cell), "culmination_h", cell);
  }

 private:
  void Time(const char* what, std::optional<double> printed, const char* column,
            const std::string& cell) {
    const std::string& expected = table_.Text(row_, column);
    if (expected.empty()) return;  // too shallow a crossing to time within a minute
    ASSERT_EQ(printed.has_value(), expected != "none") << Where() << what << " " << cell;
    if (!printed) return;
    const double apart = veltest::MinutesApart(*printed, std::stod(expected) * 60.0);
    largest_.Add(object_, std::string(what) + " min", apart);
    EXPECT_LE(apart, kTimeToleranceMinutes) << Where() << what << " " << cell;
  }

  std::string Where() const {
    return object_ + " " + table_.Text(row_, "date") + " at " + table_.Text(row_, "lat_deg") +
           ", " + table_.Text(row_, "lon_deg") + ": ";
  }

  const TOracleTable& table_;
  std::size_t row_;
  veltest::TLargestDifferences& largest_;
  std::string object_;
};

void CheckRow(const TOracleTable& table, std::size_t row, const std::vector<std::string>& cells,
              veltest::TLargestDifferences& largest) {
  ASSERT_EQ(cells.size(), 5u);
  TRowCheck check(table, row, largest);
  check.Place(cells[1]);
  check.Horizontal(cells[2]);
  check.RiseAndSet(cells[3]);
  check.Culmination(cells[4]);
}

// The oracle's rows of one place, by object, in their order.
std::map<std::string, std::vector<std::size_t>> RowsOfPlace(const TOracleTable& table,
                                                            const std::string& location) {
  std::map<std::string, std::vector<std::size_t>> rows;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const std::string where = table.Text(row, "lat_deg") + "," + table.Text(row, "lon_deg") + "," +
                              table.Text(row, "zone_h");
    if (where == location) rows[table.Text(row, "object")].push_back(row);
  }
  return rows;
}

std::vector<std::string> Locations(const TOracleTable& table) {
  std::vector<std::string> locations;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const std::string where = table.Text(row, "lat_deg") + "," + table.Text(row, "lon_deg") + "," +
                              table.Text(row, "zone_h");
    if (std::find(locations.begin(), locations.end(), where) == locations.end()) {
      locations.push_back(where);
    }
  }
  return locations;
}

TEST(EphemerisOracle, TablesAgreeWithDe405) {
  const TOracleTable table("ephemeris_tables.csv");
  ASSERT_GE(table.Size(), 200u);
  const veltest::TCommandFolder folder("velarion-ephemeris", kSettings);
  veltest::TLargestDifferences largest;
  for (const std::string& location : Locations(table)) {
    std::string stars;
    std::vector<std::size_t> starRows;
    for (const auto& [object, rows] : RowsOfPlace(table, location)) {
      if (object.starts_with("HR ")) {
        stars += (stars.empty() ? "" : ",") + object;
        starRows.push_back(rows.front());
        continue;
      }
      const std::string from = table.Text(rows.front(), "date") + " 22:00";
      const std::string to = table.Text(rows.back(), "date") + " 22:00";
      const std::string name = veltest::ProgramObjectName(object);
      const auto printed =
          DataRows(Print({"--ephemeris", name, "--from", from, "--to", to, "--step", "1d",
                          "--columns", kColumns, "--precision", "3", "--location", location},
                         folder.Folder()));
      ASSERT_EQ(printed.size(), rows.size()) << object << " at " << location;
      for (std::size_t k = 0; k < rows.size(); ++k) CheckRow(table, rows[k], printed[k], largest);
    }
    const std::string moment = table.Text(starRows.front(), "date") + " 22:00";
    const auto printed = DataRows(Print({"--ephemeris", stars, "--from", moment, "--columns",
                                         kColumns, "--precision", "3", "--location", location},
                                        folder.Folder()));
    ASSERT_EQ(printed.size(), starRows.size()) << "stars at " << location;
    for (std::size_t k = 0; k < starRows.size(); ++k) {
      CheckRow(table, starRows[k], printed[k], largest);
    }
  }
  std::printf("largest differences: %s\n", largest.Text().c_str());
}

}  // namespace
