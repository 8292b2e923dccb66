#include "SatelliteEvents.h"

#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>

namespace velarion::solar {

namespace {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;

struct TVec {
  double x = 0.0, y = 0.0, z = 0.0;
  TVec operator-(const TVec& o) const { return {x - o.x, y - o.y, z - o.z}; }
  TVec operator*(double k) const { return {x * k, y * k, z * k}; }
  double Dot(const TVec& o) const { return x * o.x + y * o.y + z * o.z; }
  double Length() const { return std::sqrt(Dot(*this)); }
};

// Relative to the planet, z stretched so that the planet becomes a sphere.
TVec Relative(const TSpherePlace& place, const TVec& planet, double polarRatio) {
  TVec v;
  Cart(place.distanceAu, place.decDeg, place.raDeg, &v.x, &v.y, &v.z);
  v = v - planet;
  v.z /= polarRatio;
  return v;
}

// How far the planet's centre (the origin) lies from the ray `from` -> `to`, and whether
// its foot lies beyond `to` seen from `from`.
struct TRayPass {
  double missAu = 0.0;
  bool beyond = false;
  bool valid = false;
};

TRayPass PassOfCentre(const TVec& from, const TVec& to) {
  const TVec d = to - from;
  const double n = d.Length();
  if (!(n > 0.0)) return {};
  const TVec u = d * (1.0 / n);
  const TVec centre = TVec{} - from;
  const double s = centre.Dot(u);
  return {(centre - u * s).Length(), s >= n, true};
}

}  // namespace

TPlanetFigure FigureOfPlanet(TPlanetIndex planet) {
  switch (planet) {
    case TPlanetIndex::kJupiter:
      return {velcommon::kJupiterRadiusAu, 0.93506};
    case TPlanetIndex::kSaturn:
      return {velcommon::kSaturnRadiusAu, 1.0};
    case TPlanetIndex::kUranus:
      return {velcommon::kUranusRadiusAu, 1.0};
    default:
      return {};
  }
}

TSatelliteEvent SatelliteEventOf(const TSpherePlace& planet, const TSpherePlace& satellite,
                                 const TSpherePlace& sun, const TPlanetFigure& figure) {
  if (!(figure.equatorialRadiusAu > 0.0 && figure.polarRatio > 0.0)) return TSatelliteEvent::kNone;
  TVec p;
  Cart(planet.distanceAu, planet.decDeg, planet.raDeg, &p.x, &p.y, &p.z);
  const TVec s = Relative(satellite, p, figure.polarRatio);
  const TVec sunVec = Relative(sun, p, figure.polarRatio);
  TVec observer = TVec{} - p;
  observer.z /= figure.polarRatio;
  const double rho = figure.equatorialRadiusAu;
  TSatelliteEvent event = TSatelliteEvent::kNone;
  // The shadow: the planet's centre lies within rho of the sunlight's path to the
  // satellite, and nearer to the Sun than the satellite.
  const TRayPass light = PassOfCentre(sunVec, s);
  if (light.valid && light.missAu <= rho && !light.beyond) event = TSatelliteEvent::kEclipse;
  // The line of sight: with the centre beyond the satellite the satellite is in front.
  const TRayPass sight = PassOfCentre(observer, s);
  if (sight.valid && sight.missAu <= rho) {
    event = sight.beyond ? TSatelliteEvent::kTransit : TSatelliteEvent::kOccultation;
  }
  return event;
}

TPositionAngle SatellitePositionAngle(double planetRaDeg, double planetDecDeg, double raDeg,
                                      double decDeg) {
  const double dp = planetDecDeg * kDegToRad, d = decDeg * kDegToRad;
  const double da = (raDeg - planetRaDeg) * kDegToRad;
  const double cosS =
      std::clamp(std::cos(da) * std::cos(d) * std::cos(dp) + std::sin(d) * std::sin(dp), -1.0, 1.0);
  const double sep = std::acos(cosS);
  const double denominator = std::cos(dp) * std::sin(sep);
  double pa = 0.0;
  if (std::fabs(denominator) > 1e-15) {
    pa = std::acos(std::clamp((std::sin(d) - std::sin(dp) * cosS) / denominator, -1.0, 1.0)) *
         kRadToDeg;
  }
  // West of the planet, RA difference brought into (-180, 180].
  double west = std::remainder(raDeg - planetRaDeg, 360.0);
  if (west == -180.0) west = 180.0;
  if (west < 0.0) pa = 360.0 - pa;
  return {pa, sep * kRadToDeg};
}

}  // namespace velarion::solar
