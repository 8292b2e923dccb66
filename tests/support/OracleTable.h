// Reads the oracle tables under tests/fixtures/oracles: CSV with '#' comment lines and a
// header line naming the columns.
#ifndef VELARION_TESTS_ORACLE_TABLE_H
#define VELARION_TESTS_ORACLE_TABLE_H

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltest {

class TOracleTable {
 public:
  explicit TOracleTable(const std::string& name) {
    const std::string path = std::string(VELARION_FIXTURES) + "/oracles/" + name;
    std::ifstream in(path);
    if (!in) {
      throw std::runtime_error("cannot open " + path);
    }
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == '#') {
        continue;
      }
      (columns_.empty() ? columns_ : rows_.emplace_back()) = Split(line);
    }
  }

  std::size_t Size() const { return rows_.size(); }

  double Number(std::size_t row, const std::string& column) const {
    return std::strtod(Text(row, column).c_str(), nullptr);
  }

  const std::string& Text(std::size_t row, const std::string& column) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (columns_[i] == column) {
        return rows_.at(row).at(i);
      }
    }
    throw std::out_of_range("no column " + column);
  }

 private:
  static std::vector<std::string> Split(const std::string& line) {
    // Every comma starts a cell, so a row may end with an empty one.
    std::vector<std::string> cells(1);
    for (const char c : line) {
      if (c == ',') {
        cells.emplace_back();
      } else {
        cells.back() += c;
      }
    }
    return cells;
  }

  std::vector<std::string> columns_;
  std::vector<std::vector<std::string>> rows_;
};

// Difference of two angles in degrees, reduced to (-180, 180].
inline double AngleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d;
}

}  // namespace veltest

#endif
