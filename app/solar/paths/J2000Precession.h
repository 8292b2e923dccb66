// Brings the places a position source gives in the equinox it works in to J2000.0, the
// frame the path is fitted and drawn in (PMatEqu, IAU 2006 precession).
#ifndef VELARION_APP_SOLAR_PATHS_J2000PRECESSION_H
#define VELARION_APP_SOLAR_PATHS_J2000PRECESSION_H

#include "SkyPlace.h"

#include <array>
#include <optional>

namespace velarion::paths {

class TJ2000Precession {
 public:
  // The matrix is kept while the equinox stays within this many centuries of the one it
  // was made for. Precession turns the sky by at most about 5030" a century, so 2e-5
  // century (0.73 day) moves no place by more than 0.1", a twentieth of the 2" the path
  // is fitted to; the Moon's path, given in the equinox of date, rebuilds it every 0.73 day.
  static constexpr double kEquinoxTolerance = 2e-5;

  TSkyPlace ToJ2000(const TPlaceOfEquinox& place);

 private:
  std::array<double, 9> matrix_{};
  std::optional<double> matrixEquinox_;
};

}  // namespace velarion::paths

#endif
