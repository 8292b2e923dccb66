// Shared by the catalogue tests: where the generated files and their sources are, the
// B1875 constellation table of Roman (1987) read from the sources, the precession of a
// J2000 place to B1875 through velastro, and UTF-8 to code page 1251 for expected texts.
#ifndef VELARION_TESTS_APP_CATALOGUES_CATALOGUETESTSUPPORT_H
#define VELARION_TESTS_APP_CATALOGUES_CATALOGUETESTSUPPORT_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ReadResult.h"
#include "velastro.h"

namespace velarion::catalogues::test {

inline const std::filesystem::path kDataDir = VELARION_DATA_DIR;
inline const std::filesystem::path kSourcesDir = VELARION_CATALOGUE_SOURCES;
inline const std::filesystem::path kFixturesDir =
    std::filesystem::path(VELARION_FIXTURES) / "catalogues";

inline constexpr double kTB1875 = -1.2499657768;
// Serpens Caput lies west of this B1875 RA, Serpens Cauda east of it.
inline constexpr double kSerpensSplitHours = 16.75;

// The reader's value, or an exception carrying its error (GoogleTest reports it).
template <class T>
T Loaded(TReadResult<T> result) {
  if (!result) {
    throw std::runtime_error(result.Error());
  }
  return std::move(result).Value();
}

template <class TFile>
TFile LoadGenerated(const char* name) {
  return Loaded(TFile::FromPath(kDataDir / name));
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot open " + path.string());
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// UTF-8 text of ASCII and Russian letters in code page 1251.
inline std::string Cp1251(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      out.push_back(static_cast<char>(byte));
      continue;
    }
    if (i + 1 >= utf8.size() || (byte != 0xD0 && byte != 0xD1)) {
      throw std::invalid_argument("not a Russian letter in UTF-8");
    }
    const unsigned code = ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
    if (code == 0x401 || code == 0x451) {
      out.push_back(static_cast<char>(code == 0x401 ? 0xA8 : 0xB8));  // Ё, ё
    } else if (code >= 0x410 && code <= 0x44F) {
      out.push_back(static_cast<char>(0xC0 + (code - 0x410)));
    } else {
      throw std::invalid_argument("not a Russian letter in UTF-8");
    }
  }
  return out;
}

// A J2000 place (degrees) in the mean equator and equinox B1875.0 (degrees).
inline std::pair<double, double> J2000ToB1875(double raDeg, double decDeg) {
  double matrix[9];
  PMatEqu(0.0, kTB1875, matrix);
  double x = 0.0, y = 0.0, z = 0.0, r = 0.0, dec = 0.0, ra = 0.0;
  Cart(1.0, decDeg, raDeg, &x, &y, &z);
  Precart(matrix, &x, &y, &z);
  Polar(x, y, z, &r, &dec, &ra);
  return {ra, dec};
}

// Roman (1987), read from the sources: a place belongs to the first row whose RA range
// holds it and whose lower Dec it reaches; all B1875.
class TRegionTable {
 public:
  TRegionTable() {
    std::istringstream in(
        ReadWholeFile(kSourcesDir / "constellation-regions" / "constellation_data_roman87.dat"));
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == '#') {
        continue;
      }
      std::istringstream fields(line);
      TRow row;
      fields >> row.raLowHours >> row.raHighHours >> row.decLowDeg >> row.iau;
      rows_.push_back(row);
    }
  }

  [[nodiscard]] std::string IauAt(double raHours, double decDeg) const {
    for (const TRow& row : rows_) {
      if (row.raLowHours <= raHours && raHours < row.raHighHours && decDeg >= row.decLowDeg) {
        return row.iau;
      }
    }
    throw std::runtime_error("no constellation at that place");
  }

  // The abbreviation as the constellation files give it: Serpens as "Ser1" or "Ser2".
  [[nodiscard]] std::string CodeAt(double raHours, double decDeg) const {
    std::string iau = IauAt(raHours, decDeg);
    if (iau != "Ser") {
      return iau;
    }
    return raHours < kSerpensSplitHours ? "Ser1" : "Ser2";
  }

 private:
  struct TRow {
    double raLowHours = 0.0;
    double raHighHours = 0.0;
    double decLowDeg = 0.0;
    std::string iau;
  };
  std::vector<TRow> rows_;
};

// The code at a J2000 place, and whether every place within marginArcsec of it has that
// code too (a star closer to a boundary may carry its neighbour's designation).
struct TPlaceCode {
  std::string code;
  bool nearBoundary = false;
};

inline TPlaceCode CodeAtJ2000(const TRegionTable& table, double raDeg, double decDeg,
                              double marginArcsec) {
  const auto [ra, dec] = J2000ToB1875(raDeg, decDeg);
  TPlaceCode place{table.CodeAt(ra / 15.0, dec), false};
  const double step = marginArcsec / 3600.0;
  const double stretch = 1.0 / std::max(std::cos(dec * std::numbers::pi / 180.0), 1e-6);
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      const double nearRa = std::fmod(ra + dx * step * stretch + 360.0, 360.0);
      const double nearDec = std::clamp(dec + dy * step, -90.0, 90.0);
      place.nearBoundary |= table.CodeAt(nearRa / 15.0, nearDec) != place.code;
    }
  }
  return place;
}

}  // namespace velarion::catalogues::test

#endif
