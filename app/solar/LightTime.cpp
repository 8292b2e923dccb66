#include "LightTime.h"

#include "BodyPosition.h"
#include "Units.h"
#include "velastro.h"

#include <array>
#include <cmath>

namespace velarion::solar {

namespace {

using velcommon::kDaysPerCentury;
using velcommon::kDegToRad;
// Light time per AU in days, in full.
using velcommon::kLightDaysPerAu;
// General precession in longitude (IAU 2006), arcseconds per century: how fast the equinox
// of date moves along the ecliptic.
constexpr double kPrecessionArcsecPerCentury = 5028.796195;
// Each evaluation shrinks the error of the light time by the speeds over that of light
// (1e-4 at most), so the second one at an earlier moment settles it; the bound only guards.
constexpr int kLightTimeRounds = 4;
constexpr double kSettledDays = 1e-9;
// The series give rates in units of 1e-4 radian (or AU) per day.
constexpr double kRateUnit = 1e-4;

// L', B', R' of the series, in their units.
struct TRates {
  double longitude = 0.0;
  double latitude = 0.0;
  double radius = 0.0;
};

// The Earth's mean anomaly: revolutions per century and at J2000.0.
constexpr double kEarthRevolutionsPerCentury = 99.9973604;
constexpr double kEarthAnomalyAtJ2000 = 0.9931266;

// Rates of longitude, latitude and radius (units of 1e-4 per day) in the mean anomaly.
TRates EarthRates(double m) { return {172 + 5.75 * std::cos(m), 0.0, 2.87 * std::sin(m)}; }

struct TVector {
  double x = 0.0, y = 0.0, z = 0.0;
};

TVector Rectangular(const TEclipticPlace& p) {
  TVector v;
  Cart(p.radiusAu, p.latitudeDeg, p.longitudeDeg, &v.x, &v.y, &v.z);
  return v;
}

double Length(const TVector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// The planet at the moment the light left it, lightDays before T, referred to the ecliptic
// and equinox of T.
TVector PlanetAtEmission(THeliocentricTheory theory, double tCenturies, double lightDays) {
  const double lightCenturies = lightDays / kDaysPerCentury;
  TEclipticPlace p;
  theory(tCenturies - lightCenturies, &p.longitudeDeg, &p.latitudeDeg, &p.radiusAu);
  p.longitudeDeg += kPrecessionArcsecPerCentury * lightCenturies / 3600.0;
  return Rectangular(p);
}

}  // namespace

TVelocity EarthSeriesVelocity(double tCenturies, const TEclipticPlace& place) {
  const double turns = kEarthRevolutionsPerCentury * tCenturies + kEarthAnomalyAtJ2000;
  const double m = velcommon::kTwoPi * (turns - std::floor(turns));
  const TRates rate = EarthRates(m);
  const double r = place.radiusAu;
  const double sinL = std::sin(place.longitudeDeg * kDegToRad);
  const double cosL = std::cos(place.longitudeDeg * kDegToRad);
  const double sinB = std::sin(place.latitudeDeg * kDegToRad);
  const double cosB = std::cos(place.latitudeDeg * kDegToRad);
  const double rb = r * rate.latitude * sinB;
  const double rl = r * rate.longitude * cosB;
  return {(rate.radius * cosB * cosL - rb * cosL - rl * sinL) * kRateUnit,
          (rate.radius * cosB * sinL - rb * sinL + rl * cosL) * kRateUnit,
          (rate.radius * sinB + r * rate.latitude * cosB) * kRateUnit};
}

TEclipticPlace ApplyPlanetLightTime(THeliocentricTheory planetTheory, double tCenturies,
                                    const TEclipticPlace& planet, const TEclipticPlace& earth,
                                    bool astrometric) {
  const TVector e = Rectangular(earth);
  const auto fromEarth = [&e](const TVector& p) {
    return TVector{p.x - e.x, p.y - e.y, p.z - e.z};
  };
  TVector g = fromEarth(Rectangular(planet));
  double lightDays = kLightDaysPerAu * Length(g);
  for (int round = 1; round < kLightTimeRounds; ++round) {
    g = fromEarth(PlanetAtEmission(planetTheory, tCenturies, lightDays));
    const double previous = lightDays;
    lightDays = kLightDaysPerAu * Length(g);
    if (std::fabs(lightDays - previous) < kSettledDays) break;
  }
  if (!astrometric) {
    const TVelocity ve = EarthSeriesVelocity(tCenturies, earth);
    g = {g.x + lightDays * ve.x, g.y + lightDays * ve.y, g.z + lightDays * ve.z};
  }
  TEclipticPlace geocentric;
  Polar(g.x, g.y, g.z, &geocentric.radiusAu, &geocentric.latitudeDeg, &geocentric.longitudeDeg);
  return geocentric;
}

void RemoveAnnualAberration(double& raDeg, double& decDeg, double tCenturies) {
  TVector position, velocity;
  Planet(tCenturies, velcommon::VelastroNumber(kEarth), &position.x, &position.y, &position.z,
         &velocity.x, &velocity.y, &velocity.z);
  EclEqu(tCenturies, &velocity.x, &velocity.y, &velocity.z);
  const TVector beta{velocity.x * kLightDaysPerAu, velocity.y * kLightDaysPerAu,
                     velocity.z * kLightDaysPerAu};
  TVector u;
  Cart(1.0, decDeg, raDeg, &u.x, &u.y, &u.z);
  const double s = std::sqrt(1.0 - (beta.x * beta.x + beta.y * beta.y + beta.z * beta.z));
  const double p = beta.x * u.x + beta.y * u.y + beta.z * u.z;
  const double f = p / (s + 1.0) + 1.0;
  const TVector w{((p + 1.0) * u.x - f * beta.x) / s, ((p + 1.0) * u.y - f * beta.y) / s,
                  ((p + 1.0) * u.z - f * beta.z) / s};
  double r = 0.0;
  Polar(w.x, w.y, w.z, &r, &decDeg, &raDeg);
}

}  // namespace velarion::solar
