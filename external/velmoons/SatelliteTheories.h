// The three satellite theories: planetocentric positions at the moment of light emission.
#ifndef VELMOONS_SATELLITE_THEORIES_H
#define VELMOONS_SATELLITE_THEORIES_H

#include "MoonFrame.h"

namespace velmoons {

inline constexpr std::size_t kGalileanCount = 4;
inline constexpr std::size_t kSaturnSatelliteCount = 8;
inline constexpr std::size_t kUranusSatelliteCount = 5;

// Galilean satellite k (0 Io .. 3 Callisto) at the Julian Date jd (dynamical time):
// satellite minus Jupiter in Jupiter's equatorial radii, ecliptic and equinox of date.
TVec3 GalileanPosition(double jd, std::size_t k);

// Satellite k of Saturn (0 Mimas .. 7 Iapetus) at jd: satellite minus Saturn in AU,
// ecliptic and equinox of B1950.
TVec3 SaturnSatelliteEclipticB1950(double jd, std::size_t k);

// Satellite i of Uranus (0 Miranda .. 4 Oberon), tDays after JD 2444239.5 (dynamical
// time): satellite minus Uranus in km, mean equator of B1950.
TVec3 UranusSatelliteB1950(double tDays, std::size_t i);

// Eccentric anomaly E of E - e sin E = m for 0 <= e < 1, any m (radians); the result
// lies within pi of m.
double SolveEccentricKepler(double m, double e);

// F of F - k sin F + h cos F = lambda for k^2 + h^2 < 1, any lambda (radians); the
// result lies within pi of lambda.
double SolveEquinoctialKepler(double lambda, double k, double h);

}  // namespace velmoons

#endif
