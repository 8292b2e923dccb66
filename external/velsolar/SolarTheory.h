// The planetary and lunar theories assembled from the series file, truncated where the
// dropped terms cannot matter.
//
// Truncation: inside each series (sorted by amplitude) the smallest terms are dropped
// while four times the root of the sum of their squared amplitudes stays within the
// body's budget, so that the error they leave, a sum of unrelated oscillations, stays
// well below it; every kept series ends in its largest dropped amplitude or less.
// Budgets: Mercury .. Mars and the Earth 2e-8 rad (0.004"), Jupiter and Saturn 1e-7 rad,
// Uranus and Neptune 5e-7 rad, radius the same fraction of the mean distance; the Moon
// 0.05" and 2 m; for a thousand years either side of J2000.0.
#ifndef VELSOLAR_SOLAR_THEORY_H
#define VELSOLAR_SOLAR_THEORY_H

#include "Bodies.h"
#include "SeriesFile.h"
#include "SolarSeries.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace velsolar {

enum class TTruncation { kNone, kAccuracyBudget };

struct TSpherical {
  double longitude;  // radians
  double latitude;   // radians
  double radius;     // AU for the planets, km for the Moon
};

class TSolarTheory {
 public:
  // Builds the theory from the file; on failure Valid() is false and Error() explains.
  TSolarTheory(const std::string& path, TTruncation truncation);

  bool Valid() const { return error_.empty(); }
  const std::string& Error() const { return error_; }
  std::size_t TermCount() const;

  // Heliocentric place of Mercury .. Neptune (the Earth included) in VSOP87 D's frame of
  // date; t in Julian millennia from J2000.0.
  TSpherical Planet(velcommon::TBody body, double tMillennia) const;

  // Geocentric Moon referred to the mean ecliptic of date and the fixed departure point
  // of ELP (longitude without precession); t in Julian centuries.
  TSpherical MoonWithoutPrecession(double tCenturies) const;

 private:
  template <typename Term>
  struct TCoordinate {
    std::vector<std::vector<Term>> byPower;
    std::vector<std::span<const Term>> spans;
    void Bind();
  };

  void Add(TSeriesRecord&& record, TTruncation truncation, double meanDistance);

  std::array<std::array<TCoordinate<velseries::TVsopTerm>, 3>, kMaxBody + 1> planets_;
  std::array<TCoordinate<velseries::TElpTerm>, 3> moon_;
  std::array<double, 5> moonMeanLongitude_{};
  std::string error_;
};

// Path of the installed series file "velsolar.dat": beside the module holding this code.
std::string InstalledSeriesPath();

// The truncated theory of the installed series file, loaded at the first call.
const TSolarTheory& InstalledTheory();

}  // namespace velsolar

#endif
