// `--info` against JPL DE405: the rise, culmination and set it prints for the Sun, the Moon,
// five planets and five bright stars at four places on ten days of 2025
// (tests/fixtures/oracles/info_rise_set.csv, tools/oracles/make_info_riseset_oracle.py).
#include "InfoCommand.h"

#include "CommandFolder.h"
#include "OracleObjects.h"
#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using veltest::TOracleTable;

// A minute, and half a minute more for the printed times, which are rounded to minutes.
constexpr double kToleranceMinutes = 1.5;

// The stars, the Sun, the Moon and the planets to Saturn (the defaults stop at Jupiter).
constexpr std::string_view kShowTheSolarSystem =
    "[Sky]\nObjectsVis=1,0,0,0,1,1,1,1,1,1,1,0,0,0,0,1\n";

// The rise and set lines of the printed information, in the oracle's terms.
struct TPrintedDay {
  std::string status = "rises";
  std::optional<double> rise;  // minutes after local midnight; none: not this day
  std::optional<double> culmination;
  std::optional<double> set;
};

// "21ч 34м" in minutes; none for "-" or nothing.
std::optional<double> PrintedMinutes(std::string_view text) {
  int hours = 0, minutes = 0;
  if (std::sscanf(std::string(text).c_str(), " %dч %dм", &hours, &minutes) != 2) {
    return std::nullopt;
  }
  return hours * 60.0 + minutes;
}

TPrintedDay ReadPrintedDay(const std::string& printed) {
  TPrintedDay day;
  std::istringstream lines(printed);
  for (std::string line; std::getline(lines, line);) {
    const auto after = [&line](std::string_view label) {
      return std::string_view(line).substr(label.size());
    };
    if (line.starts_with("Не восходит")) day.status = "never_rises";
    if (line.starts_with("Не заходит")) day.status = "never_sets";
    if (line.starts_with("Восход:")) day.rise = PrintedMinutes(after("Восход:"));
    if (line.starts_with("Кульминация:")) day.culmination = PrintedMinutes(after("Кульминация:"));
    if (line.starts_with("Заход:")) day.set = PrintedMinutes(after("Заход:"));
  }
  return day;
}

// The oracle's cell in minutes; none for "none".
std::optional<double> OracleMinutes(const std::string& cell) {
  if (cell == "none") return std::nullopt;
  return std::stod(cell) * 60.0;
}

velarion::ui::TExportOptions OptionsOfRow(const TOracleTable& table, std::size_t row) {
  velarion::ui::TExportOptions options;
  options.infoName = veltest::ProgramObjectName(table.Text(row, "object"));
  velarion::sky::TLocalDateTime noon;
  EXPECT_EQ(
      std::sscanf(table.Text(row, "date").c_str(), "%d-%d-%d", &noon.year, &noon.month, &noon.day),
      3);
  noon.hour = 12;
  options.time = noon;
  options.place = velarion::ui::TExportPlace{
      table.Number(row, "lat_deg"), table.Number(row, "lon_deg"), table.Number(row, "zone_h")};
  return options;
}

TEST(InfoRiseSet, RiseCulminationAndSetAgreeWithDe405WithinAMinute) {
  const TOracleTable table("info_rise_set.csv");
  ASSERT_GE(table.Size(), 400u);
  const veltest::TCommandFolder folder("velarion-info", kShowTheSolarSystem);
  veltest::TLargestDifferences largest;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const velarion::ui::TExportOptions options = OptionsOfRow(table, row);
    const std::string where = table.Text(row, "object") + " " + table.Text(row, "date") + " at " +
                              table.Text(row, "lat_deg") + ", " + table.Text(row, "lon_deg");
    std::ostringstream out, log;
    ASSERT_EQ(velarion::ui::RunObjectInfo(options, folder.Folder(), out, log), 0)
        << where << ": " << log.str();
    const TPrintedDay printed = ReadPrintedDay(out.str());
    EXPECT_EQ(printed.status, table.Text(row, "status")) << where << ":\n" << out.str();
    const auto compare = [&](const char* column, const std::optional<double>& shown) {
      const std::string& cell = table.Text(row, column);
      if (cell.empty()) return;  // too shallow a crossing to time within a minute
      const std::optional<double> expected = OracleMinutes(cell);
      ASSERT_EQ(shown.has_value(), expected.has_value())
          << where << ", " << column << " " << cell << ":\n"
          << out.str();
      if (!expected) return;
      const double apart = veltest::MinutesApart(*shown, *expected);
      largest.Add(table.Text(row, "object"), "min", apart);
      EXPECT_LE(apart, kToleranceMinutes)
          << where << ", " << column << " " << *expected << " min:\n"
          << out.str();
    };
    compare("culmination_h", printed.culmination);
    if (table.Text(row, "status") != "rises") continue;
    compare("rise_h", printed.rise);
    compare("set_h", printed.set);
  }
  std::printf("largest differences: %s\n", largest.Text().c_str());
}

}  // namespace
