// Parent planets, the Earth's velocity, precession from B1950 and the geocentric place of
// a satellite. The planet's place follows the planets group of the program: VSOP87 from
// velsolar inside its validity window, velastro's abridged theory outside, with the
// same one-step light-time correction, so that satellites sit exactly on their planet
// as the program draws it.
#include "MoonFrame.h"

#include "OutValues.h"
#include "velastro.h"
#include "velsolar.h"

namespace velmoons {

namespace {

// Days of light time per AU: the planets group's value for the planet's place, a finer
// one for the satellites' emission moment.
using velcommon::kLightDaysPerAu11Decimals;
using velcommon::kLightDaysPerAuRounded;
// The velsolar theories of the outer planets are used inside this window of T.
constexpr double kFirstHighPrecisionT = -50.0;
constexpr double kLastHighPrecisionT = 10.0;
// The series velocities are in units of 1e-4 (radian or AU) per day.
constexpr double kSeriesVelocityUnit = 1.0e-4;
// Precession matrices are reused while both epochs stay this close (about a day; the
// precession in that time is below 0.2 arcseconds).
constexpr double kPrecessionToleranceCenturies = 3.0e-5;
constexpr double kNoT = 1.0e9;

bool HighPrecision(double t) { return t >= kFirstHighPrecisionT && t <= kLastHighPrecisionT; }

// Rates of heliocentric longitude, latitude (1e-4 radian per day) and radius (1e-4 AU
// per day) as short series in the mean anomaly M; enough for the light-time and
// aberration corrections, which scale them by about 1e-2.
struct TSphericalRates {
  double longitude;
  double latitude;
  double radius;
};

double MeanAnomaly(double t, double revolutionsPerCentury, double m0) {
  const double turns = revolutionsPerCentury * t + m0;
  return kTwoPi * (turns - std::floor(turns));
}

TSphericalRates EarthRates(double t) {
  const double m = MeanAnomaly(t, 99.9973604, 0.9931266);
  return {172.0 + 5.75 * std::cos(m), 0.0, 2.87 * std::sin(m)};
}

TSphericalRates PlanetRates(TPlanet planet, double t) {
  switch (planet) {
    case TPlanet::Jupiter: {
      const double m = MeanAnomaly(t, 8.4302963, 0.0565314);
      return {14.5 + 1.41 * std::cos(m), 0.33 * std::sin(m), 3.66 * std::sin(m)};
    }
    case TPlanet::Saturn: {
      const double m = MeanAnomaly(t, 3.3947688, 0.8829867);
      return {5.84 + 0.65 * std::cos(m), 0.24 * std::cos(m), 3.09 * std::sin(m)};
    }
    case TPlanet::Uranus:
      break;
  }
  const double m = MeanAnomaly(t, 1.1902849, 0.3967117);
  return {2.05 + 0.19 * std::cos(m), -0.03 * std::sin(m), 1.86 * std::sin(m)};
}

struct TSpherical {
  double longitudeDeg;
  double latitudeDeg;
  double radius;
};

TVec3 Rectangular(const TSpherical& p) {
  TVec3 v;
  Cart(p.radius, p.latitudeDeg, p.longitudeDeg, &v.x, &v.y, &v.z);
  return v;
}

// Velocity of a body from its place and the rates of its spherical coordinates.
TVec3 Velocity(const TSpherical& p, const TSphericalRates& rate) {
  const double l = p.longitudeDeg * kDegToRad, b = p.latitudeDeg * kDegToRad;
  const double cl = std::cos(l), sl = std::sin(l), cb = std::cos(b), sb = std::sin(b);
  const double r = p.radius;
  return {rate.radius * cb * cl - r * rate.latitude * sb * cl - r * rate.longitude * cb * sl,
          rate.radius * cb * sl - r * rate.latitude * sb * sl + r * rate.longitude * cb * cl,
          rate.radius * sb + r * rate.latitude * cb};
}

using THeliocentricTheory = void (*)(double, double*, double*, double*);

THeliocentricTheory TheoryOf(TPlanet planet) {
  switch (planet) {
    case TPlanet::Jupiter:
      return Jup404;
    case TPlanet::Saturn:
      return Sat404;
    case TPlanet::Uranus:
      break;
  }
  return Ura404;
}

TSpherical Heliocentric(THeliocentricTheory theory, double t) {
  TSpherical p{};
  theory(t, &p.longitudeDeg, &p.latitudeDeg, &p.radius);
  return p;
}

// Geocentric ecliptic vector with light time, and the two heliocentric distances.
struct TGeometry {
  TVec3 geocentric;
  double planetSunAu;
  double earthSunAu;
};

TGeometry HighPrecisionGeometry(TPlanet planet, double t) {
  const TSpherical p = Heliocentric(TheoryOf(planet), t);
  const TSpherical e = Heliocentric(Ear404, t);
  const TVec3 vP = Velocity(p, PlanetRates(planet, t));
  TVec3 g = Rectangular(p) + (-1.0) * Rectangular(e);
  g = g + (-kLightDaysPerAuRounded * kSeriesVelocityUnit * Length(g)) * vP;
  return {g, p.radius, e.radius};
}

TGeometry LowPrecisionGeometry(TPlanet planet, double t) {
  TVec3 p, vP, e, vE;
  ::Planet(t, velcommon::VelastroNumber(BodyOf(planet)), &p.x, &p.y, &p.z, &vP.x, &vP.y, &vP.z);
  ::Planet(t, velcommon::VelastroNumber(velcommon::TBody::kEarth), &e.x, &e.y, &e.z, &vE.x, &vE.y,
           &vE.z);
  TVec3 g = p + (-1.0) * e;
  g = g + (-kLightDaysPerAuRounded * Length(g)) * vP;
  return {g, Length(p), Length(e)};
}

TParentPlanet ComputeParent(TPlanet planet, double t) {
  const TGeometry geometry =
      HighPrecision(t) ? HighPrecisionGeometry(planet, t) : LowPrecisionGeometry(planet, t);
  const double r = geometry.planetSunAu, bigR = geometry.earthSunAu;
  const double delta = Length(geometry.geocentric);
  const double illuminated = ((r + delta) * (r + delta) - bigR * bigR) / (4.0 * r * delta);
  TVec3 g = geometry.geocentric;
  EclEqu(t, &g.x, &g.y, &g.z);
  return {g, delta * kLightDaysPerAu11Decimals,
          5.0 * std::log10(r * delta) - 2.5 * std::log10(illuminated)};
}

struct TParentEntry {
  double t = kNoT;
  TParentPlanet parent{};
};

struct TVelocityEntry {
  double t = kNoT;
  TVec3 velocity{};
};

struct TPrecessionEntry {
  double from = kNoT;
  double to = kNoT;
  std::array<double, 9> matrix{};
};

// Module-wide caches: the planets group asks for the same moment many times a redraw.
std::array<TParentEntry, 3> gParents;
TVelocityEntry gEarthVelocity;
TPrecessionEntry gPrecession;

bool Answers(double cachedT, double t) {
  return std::fabs(cachedT - t) <= kCacheToleranceCenturies;
}

}  // namespace

velcommon::TBody BodyOf(TPlanet planet) {
  switch (planet) {
    case TPlanet::Jupiter:
      return velcommon::TBody::kJupiter;
    case TPlanet::Saturn:
      return velcommon::TBody::kSaturn;
    case TPlanet::Uranus:
      break;
  }
  return velcommon::TBody::kUranus;
}

double Reduce2Pi(double radians) {
  const double turns = radians / kTwoPi;
  double r = (turns - std::trunc(turns)) * kTwoPi;
  if (r < 0.0) {
    r += kTwoPi;
  }
  return r >= kTwoPi ? 0.0 : r;
}

TParentPlanet ParentPlanetPosition(TPlanet planet, double t) {
  TParentEntry& entry = gParents[static_cast<std::size_t>(planet)];
  if (!Answers(entry.t, t)) {
    entry = {t, ComputeParent(planet, t)};
  }
  return entry.parent;
}

TVec3 EarthVelocity(double t) {
  if (Answers(gEarthVelocity.t, t)) {
    return gEarthVelocity.velocity;
  }
  TVec3 v;
  if (HighPrecision(t)) {
    const TSpherical e = Heliocentric(Ear404, t);
    v = Velocity(e, EarthRates(t));
  } else {
    TVec3 position;
    ::Planet(t, velcommon::VelastroNumber(velcommon::TBody::kEarth), &position.x, &position.y,
             &position.z, &v.x, &v.y, &v.z);
    v = (1.0 / kSeriesVelocityUnit) * v;
  }
  gEarthVelocity = {t, v};
  return v;
}

TVec3 PrecessFromB1950(TVec3 v, double t) {
  const bool fits =
      std::fabs(gPrecession.from - kB1950Centuries) <= kPrecessionToleranceCenturies &&
      std::fabs(gPrecession.to - t) <= kPrecessionToleranceCenturies;
  if (!fits) {
    gPrecession.from = kB1950Centuries;
    gPrecession.to = t;
    PMatEqu(kB1950Centuries, t, gPrecession.matrix.data());
  }
  Precart(gPrecession.matrix.data(), &v.x, &v.y, &v.z);
  return v;
}

TVec3 EclipticB1950ToEquatorOfDate(TVec3 v, double t) {
  EclEqu(kB1950Centuries, &v.x, &v.y, &v.z);
  return PrecessFromB1950(v, t);
}

double EmissionJd(double t, const TParentPlanet& parent) {
  return TToMJD(t) + velcommon::kJdMjdZero - parent.lightTimeDays;
}

TSatellitePlace PlaceFromOffset(const TParentPlanet& parent, TVec3 offsetAu, double v0) {
  const TVec3 g = parent.geocentric + offsetAu;
  TSatellitePlace place;
  Polar(g.x, g.y, g.z, &place.distance, &place.dec, &place.ra);
  place.magnitude = v0 + parent.magnitudeTerm;
  return place;
}

void WritePlace(const TSatellitePlace& place, double* ra, double* dec, double* distance,
                double* magnitude) {
  velcommon::Store(ra, place.ra);
  velcommon::Store(dec, place.dec);
  velcommon::Store(distance, place.distance);
  velcommon::Store(magnitude, place.magnitude);
}

}  // namespace velmoons
