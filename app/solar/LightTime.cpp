#include "LightTime.h"

#include "BodyPosition.h"
#include "velastro.h"

#include <array>
#include <cmath>
#include <numbers>

namespace velarion::solar {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
// Light time per AU in days, and the speed of light in AU per day as its inverse.
constexpr double kLightDaysPerAu = 0.00578;
constexpr double kDaysPerAuOfLight = 0.005775518331089533;
// The series give rates in units of 1e-4 radian (or AU) per day.
constexpr double kRateUnit = 1e-4;

// L', B', R' of the series, in their units.
struct TRates {
  double longitude = 0.0;
  double latitude = 0.0;
  double radius = 0.0;
};

struct TMeanMotion {
  double revolutionsPerCentury;
  double m0;
};

bool HasSeries(uint8_t body) { return body >= kMercury && body <= kPluto; }

TMeanMotion MeanMotionOf(uint8_t body) {
  static constexpr std::array<TMeanMotion, kBodyCount> kTable = {{
      {0.0, 0.0}, {0.0, 0.0},  // Sun and Moon: no series
      {415.2014314, 0.4855407}, {162.5494552, 0.1400197}, {99.9973604, 0.9931266},
      {53.1662736, 0.0538553}, {8.4302963, 0.0565314}, {3.3947688, 0.8829867},
      {1.1902849, 0.3967117}, {0.6068526, 0.7214906}, {0.4026667, 0.0385795},
  }};
  return kTable[body];
}

TRates RatesOf(uint8_t body, double m) {
  const double c1 = std::cos(m), s1 = std::sin(m);
  const double c2 = std::cos(2 * m), s2 = std::sin(2 * m);
  const double c3 = std::cos(3 * m), s3 = std::sin(3 * m);
  const double c4 = std::cos(4 * m), s4 = std::sin(4 * m);
  switch (body) {
    case kEarth: return {172 + 5.75 * c1, 0.0, 2.87 * s1};
    case kMercury:
      return {714 + 292.66 * c1 + 71.96 * c2 + 18.16 * c3 + 4.61 * c4 + 3.81 * s2 + 2.43 * s3 +
                  1.08 * s4,
              73.4 * c1 + 29.82 * c2 + 10.22 * c3 + 3.28 * c4 - 40.44 * s1 - 16.55 * s2 -
                  5.56 * s3 - 1.72 * s4,
              55.94 * s1 + 11.36 * s2 + 2.6 * s3};
    case kVenus: return {280 + 3.79 * c1, 9.54 * c1 - 13.57 * s1, 1.37 * s1};
    case kMars: return {91.5 + 17.07 * c1 + 2.03 * c2, 0.83 * c1 + 2.8 * s1, 12.98 * s1 + 1.21 * s2};
    case kJupiter: return {14.5 + 1.41 * c1, 0.33 * s1, 3.66 * s1};
    case kSaturn: return {5.84 + 0.65 * c1, 0.24 * c1, 3.09 * s1};
    case kUranus: return {2.05 + 0.19 * c1, -0.03 * s1, 1.86 * s1};
    case kNeptune: return {1.04 + 0.02 * c1, 0.03 * s1, 0.27 * s1};
    case kPluto:
      return {0.69 + 0.34 * c1 + 0.12 * c2 + 0.05 * c3, -0.08 * c1 - 0.17 * s1 - 0.99 * s2,
              6.66 * s1 + 1.64 * s2};
    default: return {};
  }
}

struct TVector {
  double x = 0.0, y = 0.0, z = 0.0;
};

TVector Rectangular(const TEclipticPlace& p) {
  TVector v;
  Cart(p.radiusAu, p.latitudeDeg, p.longitudeDeg, &v.x, &v.y, &v.z);
  return v;
}

}  // namespace

TVelocity SeriesVelocity(uint8_t body, double tCenturies, const TEclipticPlace& place) {
  if (!HasSeries(body)) return {};
  const TMeanMotion motion = MeanMotionOf(body);
  const double turns = motion.revolutionsPerCentury * tCenturies + motion.m0;
  const double m = 2.0 * std::numbers::pi * (turns - std::floor(turns));
  const TRates rate = RatesOf(body, m);
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

TEclipticPlace ApplyPlanetLightTime(uint8_t body, double tCenturies, const TEclipticPlace& planet,
                                    const TEclipticPlace& earth, bool astrometric) {
  const TVector p = Rectangular(planet);
  const TVector e = Rectangular(earth);
  TVector g{p.x - e.x, p.y - e.y, p.z - e.z};
  const double lightDays = kLightDaysPerAu * std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
  const TVelocity vp = SeriesVelocity(body, tCenturies, planet);
  g = {g.x - lightDays * vp.x, g.y - lightDays * vp.y, g.z - lightDays * vp.z};
  if (!astrometric) {
    const TVelocity ve = SeriesVelocity(kEarth, tCenturies, earth);
    g = {g.x + lightDays * ve.x, g.y + lightDays * ve.y, g.z + lightDays * ve.z};
  }
  TEclipticPlace geocentric;
  Polar(g.x, g.y, g.z, &geocentric.radiusAu, &geocentric.latitudeDeg, &geocentric.longitudeDeg);
  return geocentric;
}

void RemoveAnnualAberration(double& raDeg, double& decDeg, double tCenturies) {
  TVector position, velocity;
  Planet(tCenturies, 3, &position.x, &position.y, &position.z, &velocity.x, &velocity.y,
         &velocity.z);
  EclEqu(tCenturies, &velocity.x, &velocity.y, &velocity.z);
  const TVector beta{velocity.x * kDaysPerAuOfLight, velocity.y * kDaysPerAuOfLight,
                     velocity.z * kDaysPerAuOfLight};
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
