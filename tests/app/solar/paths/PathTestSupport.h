// Helpers of the object path tests: the precession of ERFA (independent of the program's
// own) between J2000.0 and the mean equator of a date, position sources built on it and on
// the program's body positions, and the fit's worst error against its source.
#ifndef VELARION_TESTS_APP_SOLAR_PATHS_PATHTESTSUPPORT_H
#define VELARION_TESTS_APP_SOLAR_PATHS_PATHTESTSUPPORT_H

#include "BodyPosition.h"
#include "SkyPlace.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <random>

namespace veltest {

using velarion::paths::TPathPositionSource;
using velarion::paths::TPlaceOfEquinox;
using velarion::paths::TSkyPlace;

// ERFA's IAU 2006 precession matrix from J2000.0 to the mean equator of T, without the
// frame bias, as the program's frame is.
inline void ErfaPrecession(double tCenturies, double rp[3][3]) {
  double rb[3][3], rbp[3][3];
  eraBp06(ERFA_DJ00, tCenturies * ERFA_DJC, rb, rp, rbp);
}

inline TPlaceOfEquinox ErfaPlaceOfDate(const TSkyPlace& j2000, double tCenturies) {
  double rp[3][3], v[3], w[3];
  ErfaPrecession(tCenturies, rp);
  eraS2c(j2000.raDeg * ERFA_DD2R, j2000.decDeg * ERFA_DD2R, v);
  eraRxp(rp, v, w);
  double ra = 0.0, dec = 0.0;
  eraC2s(w, &ra, &dec);
  return {eraAnp(ra) * ERFA_DR2D, dec * ERFA_DR2D, tCenturies};
}

inline TSkyPlace ErfaJ2000(const TPlaceOfEquinox& place) {
  double rp[3][3], v[3], w[3];
  ErfaPrecession(place.equinoxT, rp);
  eraS2c(place.raDeg * ERFA_DD2R, place.decDeg * ERFA_DD2R, v);
  eraTrxp(rp, v, w);
  double ra = 0.0, dec = 0.0;
  eraC2s(w, &ra, &dec);
  return {eraAnp(ra) * ERFA_DR2D, dec * ERFA_DR2D};
}

inline double SeparationArcsec(const TSkyPlace& a, const TSkyPlace& b) {
  return eraSeps(a.raDeg * ERFA_DD2R, a.decDeg * ERFA_DD2R, b.raDeg * ERFA_DD2R,
                 b.decDeg * ERFA_DD2R) *
         ERFA_DR2D * 3600.0;
}

// A star fixed in J2000.0, given in the equinox of the moment asked for.
inline TPathPositionSource StarSource(TSkyPlace j2000) {
  return [j2000](double t) -> std::optional<TPlaceOfEquinox> { return ErfaPlaceOfDate(j2000, t); };
}

// A body of the program's solar system, mean equator of date.
inline TPathPositionSource BodySource(velarion::solar::TBody body) {
  return [body](double t) -> std::optional<TPlaceOfEquinox> {
    const velarion::solar::TBodyPosition p =
        velarion::solar::ComputeBodyPosition(body, true, true, t);
    return TPlaceOfEquinox{p.raDeg, p.decDeg, t};
  };
}

// The largest distance (arcseconds) between `fitted` and the source's own place in J2000.0
// at `samples` random moments of [t0, t1]; infinity where the fit has no place.
inline double WorstErrorArcsec(const std::function<std::optional<TSkyPlace>(double)>& fitted,
                               const TPathPositionSource& source, double t0, double t1,
                               int samples = 300) {
  std::mt19937_64 random(20260101);
  std::uniform_real_distribution<double> moment(t0, t1);
  double worst = 0.0;
  for (int i = 0; i < samples; ++i) {
    const double t = moment(random);
    const std::optional<TSkyPlace> place = fitted(t);
    const std::optional<TPlaceOfEquinox> truth = source(t);
    if (!place || !truth) return INFINITY;
    worst = std::max(worst, SeparationArcsec(*place, ErfaJ2000(*truth)));
  }
  return worst;
}

}  // namespace veltest

#endif
