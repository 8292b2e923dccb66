#include "BodyPosition.h"

#include "LightTime.h"
#include "Units.h"
#include "velastro.h"
#include "velsolar.h"

#include <array>
#include <cmath>

namespace velarion::solar {

namespace {

using velcommon::BodyNumber;
using velcommon::kDaysPerCentury;
using velcommon::kKmPerEarthRadius;
using velcommon::kLightCenturiesPerAuRounded;
using velcommon::kLightDaysPerAuRounded;
using velcommon::VelastroNumber;

constexpr double kLightKmPerDay = velcommon::kLightKmPerSecond * velcommon::kSecondsPerDay;
constexpr double kSameMoment = 1e-10;

struct TCacheEntry {
  bool valid = false;
  double tCenturies = 0.0;
  bool highPrecision = false;
  bool astrometric = false;
  TBodyPosition position;
};

// One entry per body: many requests within one redraw cost one computation.
std::array<TCacheEntry, kBodyCount> gCache;

struct TVector {
  double x = 0.0, y = 0.0, z = 0.0;
};

TVector Rectangular(double r, double latitudeDeg, double longitudeDeg) {
  TVector v;
  Cart(r, latitudeDeg, longitudeDeg, &v.x, &v.y, &v.z);
  return v;
}

// velsolar's routine of a body, by body number.
THeliocentricTheory PreciseHeliocentric(TBody body) {
  static constexpr std::array<THeliocentricTheory, kBodyCount> kTheories = {
      nullptr, nullptr, Mer404, Ven404, Ear404, Mar404, Jup404, Sat404, Ura404, Nep404, Plu404};
  return kTheories[BodyNumber(body)];
}

// The Moon's theories give the geometric place; the place seen is the one of one light
// time earlier, which equals the apparent place to first order because the Moon shares
// the Earth's motion about the Sun.
template <typename TTheory>
TVector MoonSeen(TTheory theory, double tCenturies) {
  double l = 0.0, b = 0.0, r = 0.0;
  theory(tCenturies, &l, &b, &r);
  const double lightCenturies = r * kKmPerEarthRadius / kLightKmPerDay / kDaysPerCentury;
  theory(tCenturies - lightCenturies, &l, &b, &r);
  return Rectangular(r, b, l);
}

void SetGeocentric(TBodyPosition& p, const TVector& g) {
  Polar(g.x, g.y, g.z, &p.distance, &p.latitudeDeg, &p.longitudeDeg);
}

void PrecisePlace(TBody body, bool requested, bool astrometric, double t, TBodyPosition& p) {
  const THeliocentricTheory helio = PreciseHeliocentric(body);
  if (helio != nullptr) {
    helio(t, &p.helioLongitudeDeg, &p.helioLatitudeDeg, &p.helioDistanceAu);
  }
  if (body == kSun) {
    Sun404(t, &p.longitudeDeg, &p.latitudeDeg, &p.distance);
  } else if (body == kMoon) {
    SetGeocentric(p, MoonSeen(Moon, t));
  } else if (body != kEarth) {
    const TBodyPosition earth = ComputeBodyPosition(kEarth, requested, astrometric, t);
    const TEclipticPlace g = ApplyPlanetLightTime(
        helio, t, {p.helioLongitudeDeg, p.helioLatitudeDeg, p.helioDistanceAu},
        {earth.helioLongitudeDeg, earth.helioLatitudeDeg, earth.helioDistanceAu}, astrometric);
    p.longitudeDeg = g.longitudeDeg;
    p.latitudeDeg = g.latitudeDeg;
    p.distance = g.radiusAu;
  }
}

struct TState {
  TVector position;
  TVector velocity;
};

TState LowPrecisionPlanet(double t, TBody body) {
  TState s;
  Planet(t, VelastroNumber(body), &s.position.x, &s.position.y, &s.position.z, &s.velocity.x,
         &s.velocity.y, &s.velocity.z);
  return s;
}

void LowPrecisionPlace(TBody body, bool astrometric, double t, TBodyPosition& p) {
  if (body == kSun) {
    // The Earth one light time for 1 AU earlier: the negated Earth then is the Sun as seen,
    // aberration included.
    const TVector e = LowPrecisionPlanet(t - kLightCenturiesPerAuRounded, kEarth).position;
    SetGeocentric(p, {-e.x, -e.y, -e.z});
    return;
  }
  if (body == kMoon) {
    SetGeocentric(p, MoonSeen(moon, t));
    return;
  }
  const TState planet = LowPrecisionPlanet(t, body);
  Polar(planet.position.x, planet.position.y, planet.position.z, &p.helioDistanceAu,
        &p.helioLatitudeDeg, &p.helioLongitudeDeg);
  if (body == kEarth) return;
  const TState earth = LowPrecisionPlanet(t, kEarth);
  TVector g{planet.position.x - earth.position.x, planet.position.y - earth.position.y,
            planet.position.z - earth.position.z};
  const double lightDays = kLightDaysPerAuRounded * std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
  g = {g.x - lightDays * planet.velocity.x, g.y - lightDays * planet.velocity.y,
       g.z - lightDays * planet.velocity.z};
  if (!astrometric) {
    g = {g.x + lightDays * earth.velocity.x, g.y + lightDays * earth.velocity.y,
         g.z + lightDays * earth.velocity.z};
  }
  SetGeocentric(p, g);
}

void ToEquator(double t, TBodyPosition& p) {
  TVector v = Rectangular(p.distance, p.latitudeDeg, p.longitudeDeg);
  EclEqu(t, &v.x, &v.y, &v.z);
  Polar(v.x, v.y, v.z, &p.distance, &p.decDeg, &p.raDeg);
}

}  // namespace

TPrecisionWindow HighPrecisionRange(TBody body) {
  const bool nearPlanet =
      body == kSun || body == kMercury || body == kVenus || body == kEarth || body == kMars;
  return nearPlanet ? TPrecisionWindow{-33.5, 10.0} : TPrecisionWindow{-50.0, 10.0};
}

bool UsesHighPrecision(TBody body, bool requested, double tCenturies) {
  if (BodyNumber(body) >= kBodyCount) return false;
  const TPrecisionWindow window = HighPrecisionRange(body);
  return body == kPluto || (requested && tCenturies >= window.tFrom && tCenturies <= window.tTo);
}

TBodyPosition ComputeBodyPosition(TBody body, bool highPrecision, bool astrometric,
                                  double tCenturies) {
  if (BodyNumber(body) >= kBodyCount || !std::isfinite(tCenturies)) return {};
  const bool precise = UsesHighPrecision(body, highPrecision, tCenturies);
  TCacheEntry& entry = gCache[BodyNumber(body)];
  if (entry.valid && std::fabs(tCenturies - entry.tCenturies) < kSameMoment &&
      entry.highPrecision == precise && entry.astrometric == astrometric) {
    return entry.position;
  }
  TBodyPosition p;
  p.highPrecision = precise;
  if (precise) {
    PrecisePlace(body, highPrecision, astrometric, tCenturies, p);
  } else {
    LowPrecisionPlace(body, astrometric, tCenturies, p);
  }
  if (body != kEarth) {
    ToEquator(tCenturies, p);
    if (astrometric && (body == kSun || body == kMoon)) {
      RemoveAnnualAberration(p.raDeg, p.decDeg, tCenturies);
    }
  }
  entry = {true, tCenturies, precise, astrometric, p};
  return p;
}

}  // namespace velarion::solar
