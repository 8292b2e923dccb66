// The frame every satellite computation shares: the parent planet's geocentric place and
// light time, the Earth's velocity, the precession from B1950, the per-satellite result
// caches, and the small vector helpers the theories use.
#ifndef VELMOONS_MOON_FRAME_H
#define VELMOONS_MOON_FRAME_H

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "Bodies.h"
#include "Units.h"

namespace velmoons {

using velcommon::kDegToRad;
using velcommon::kTwoPi;

// B1950.0 as Julian centuries from J2000.0.
inline constexpr double kB1950Centuries = -0.500002108;

struct TVec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline TVec3 operator+(TVec3 a, TVec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline TVec3 operator*(double s, TVec3 a) { return {s * a.x, s * a.y, s * a.z}; }
inline TVec3 Cross(TVec3 a, TVec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(TVec3 a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

// (y, z) turned by angle about the x axis, and (x, y) about the z axis.
inline TVec3 RotateX(TVec3 v, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {v.x, v.y * c - v.z * s, v.y * s + v.z * c};
}
inline TVec3 RotateZ(TVec3 v, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {v.x * c - v.y * s, v.x * s + v.y * c, v.z};
}

// Angle reduced to [0, 2 pi).
double Reduce2Pi(double radians);

enum class TPlanet : std::uint8_t { Jupiter, Saturn, Uranus };

// The body number of a parent planet.
velcommon::TBody BodyOf(TPlanet planet);

// What a satellite theory needs of its planet at the observation moment T.
struct TParentPlanet {
  TVec3 geocentric;      // AU, mean equator and equinox of date, light time applied
  double lightTimeDays;  // planet to Earth
  double magnitudeTerm;  // 5 log10(r delta) - 2.5 log10(illuminated fraction)
};

// Planet's place at T, cached per planet.
TParentPlanet ParentPlanetPosition(TPlanet planet, double t);

// The Earth's heliocentric velocity at T in 1e-4 AU per day, mean ecliptic of date; one
// cached entry.
TVec3 EarthVelocity(double t);

// (x, y, z) from the mean equator of B1950 to the mean equator of date T, through the
// one-entry precession cache.
TVec3 PrecessFromB1950(TVec3 v, double t);

// Ecliptic of B1950 to the mean equator of date T.
TVec3 EclipticB1950ToEquatorOfDate(TVec3 v, double t);

// Julian Date (dynamical time) at which the light seen at T left the planet.
double EmissionJd(double t, const TParentPlanet& parent);

struct TSatellitePlace {
  double ra = 0.0;
  double dec = 0.0;
  double distance = 0.0;
  double magnitude = 0.0;
};

// A cache answers only for a T within this of the T it was filled for.
inline constexpr double kCacheToleranceCenturies = 1.5e-10;

// The cached results of one export's satellites. Every entry starts at T = 1e9 so that
// the first call computes.
template <std::size_t kCount>
class TSatelliteCache {
 public:
  std::optional<TSatellitePlace> Find(std::size_t satellite, double t) const {
    const TEntry& entry = entries_[satellite];
    if (std::fabs(entry.t - t) <= kCacheToleranceCenturies) {
      return entry.place;
    }
    return std::nullopt;
  }
  void Store(std::size_t satellite, double t, const TSatellitePlace& place) {
    entries_[satellite] = {t, place};
  }

 private:
  struct TEntry {
    double t = 1.0e9;
    TSatellitePlace place;
  };
  std::array<TEntry, kCount> entries_{};
};

// Geocentric place of a satellite from its planetocentric vector s (AU, mean equator of
// date): the planet's position plus s, in polar form, and the magnitude V0 + the
// planet's magnitude term.
TSatellitePlace PlaceFromOffset(const TParentPlanet& parent, TVec3 offsetAu, double v0);

// Writes a place through the export's out pointers (null ones are skipped).
void WritePlace(const TSatellitePlace& place, double* ra, double* dec, double* distance,
                double* magnitude);

}  // namespace velmoons

#endif
