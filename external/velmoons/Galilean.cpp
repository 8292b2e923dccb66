// The Galilean satellites: the higher-accuracy method of Meeus, Astronomical Algorithms
// (1st ed. 1991, chapter on the satellites of Jupiter), built on Lieske's theory E5 with
// its periodic series cut to their largest terms. The final steps of the published method,
// which turn the result to the view from the Earth, are not needed: Jupiter's geocentric
// place is added by the caller.
#include "velmoons.h"

#include "MoonFrame.h"
#include "SatelliteTheories.h"
#include "velastro.h"

#include <initializer_list>

namespace velmoons {

namespace {

// Positions in Jupiter's equatorial radius.
using velcommon::kJupiterRadiusAu;
constexpr std::array<double, kGalileanCount> kSemiMajorAxisRadii = {5.90730, 9.39912, 14.99240,
                                                                    26.36990};
constexpr std::array<double, kGalileanCount> kMagnitudeAtUnitDistance = {-1.7, -1.4, -2.1, -1.1};

// Fundamental arguments of the theory at t days from JD 2443000.5, radians.
struct TArguments {
  double l1, l2, l3, l4;
  double pi1, pi2, pi3, pi4;
  double w1, w2, w3, w4;
  double phiLambda, psi, g, gPrime, bigPi;
};

double Linear(double at0Deg, double rateDegPerDay, double t) {
  return (at0Deg + rateDegPerDay * t) * kDegToRad;
}

TArguments Arguments(double t) {
  const double gamma = 0.33033 * std::sin(Linear(163.679, 0.0010512, t)) +
                       0.03439 * std::sin(Linear(34.486, -0.0161731, t));
  return {Linear(106.07947, 203.488955432, t),
          Linear(175.72938, 101.37472455, t),
          Linear(120.55434, 50.31760911, t),
          Linear(84.44868, 21.571071314, t),
          Linear(58.3329, 0.16103936, t),
          Linear(132.8959, 0.04647985, t),
          Linear(187.2887, 0.0071274, t),
          Linear(335.3418, 0.00183998, t),
          Linear(311.0793, -0.1327943, t),
          Linear(100.5099, -0.03263047, t),
          Linear(119.1688, -0.00717704, t),
          Linear(322.5729, -0.00175934, t),
          Linear(191.8132, 0.17390023, t),
          Linear(316.5182, -0.00000208, t),
          Linear(30.23756 + gamma, 0.0830925701, t),
          Linear(31.97853, 0.0334597339, t),
          13.469942 * kDegToRad};
}

struct TTerm {
  double coefficient;
  double argument;
};

double SineSum(std::initializer_list<TTerm> terms) {
  double sum = 0.0;
  for (const TTerm& term : terms) {
    sum += term.coefficient * std::sin(term.argument);
  }
  return sum;
}

double CosineSum(std::initializer_list<TTerm> terms) {
  double sum = 0.0;
  for (const TTerm& term : terms) {
    sum += term.coefficient * std::cos(term.argument);
  }
  return sum;
}

// The three series of a satellite: longitude in 1e-5 degree, latitude (tangent) and
// radius in 1e-7.
struct TSeries {
  double longitude;
  double latitude;
  double radius;
};

TSeries IoSeries(const TArguments& a) {
  return {SineSum({{47259, 2 * (a.l1 - a.l2)},
                   {-3480, a.pi3 - a.pi4},
                   {-1756, a.pi1 + a.pi3 - 2 * a.bigPi - 2 * a.g},
                   {1080, a.l2 - 2 * a.l3 + a.pi3},
                   {757, a.phiLambda},
                   {663, a.l2 - 2 * a.l3 + a.pi4},
                   {453, a.l1 - a.pi3},
                   {453, a.l2 - 2 * a.l3 + a.pi2}}),
          SineSum({{6502, a.l1 - a.w1}, {1835, a.l1 - a.w2}}),
          CosineSum({{-41339, 2 * (a.l1 - a.l2)}})};
}

TSeries EuropaSeries(const TArguments& a) {
  return {
      SineSum({{106476, 2 * (a.l2 - a.l3)},
               {4253, a.l1 - 2 * a.l2 + a.pi3},
               {3579, a.l2 - a.pi3},
               {2383, a.l1 - 2 * a.l2 + a.pi4},
               {1977, a.l2 - a.pi4},
               {-1843, a.phiLambda},
               {1299, a.pi2 - a.pi4},
               {-1142, a.l2 - a.l3},
               {1078, a.l2 - a.pi2},
               {-1058, a.g},
               {870, a.l2 - 2 * a.l3 + a.pi2},
               {-775, 2 * (a.psi - a.bigPi)},
               {524, 2 * (a.l1 - a.l2)}}),
      SineSum(
          {{81275, a.l2 - a.w2}, {4512, a.l2 - a.w3}, {-3286, a.l2 - a.psi}, {1164, a.l2 - a.w4}}),
      CosineSum({{93847, a.l1 - a.l2},
                 {-3114, a.l2 - a.pi3},
                 {-1738, a.l2 - a.pi4},
                 {-941, a.l2 - a.pi2}})};
}

TSeries GanymedeSeries(const TArguments& a) {
  return {SineSum({{16477, a.l3 - a.pi3},
                   {9062, a.l3 - a.pi4},
                   {-6907, a.l2 - a.l3},
                   {3786, a.pi3 - a.pi4},
                   {1844, 2 * (a.l3 - a.l4)},
                   {-1340, a.g},
                   {703, a.l2 - 2 * a.l3 + a.pi3},
                   {-670, 2 * (a.psi - a.bigPi)},
                   {-540, a.l3 - a.l4},
                   {481, a.pi1 + a.pi3 - 2 * a.bigPi - 2 * a.g}}),
          SineSum({{32364, a.l3 - a.w3},
                   {-16911, a.l3 - a.psi},
                   {6849, a.l3 - a.w4},
                   {-2806, a.l3 - a.w2}}),
          CosineSum({{-14377, a.l3 - a.pi3},
                     {-7904, a.l3 - a.pi4},
                     {6342, a.l2 - a.l3},
                     {-1758, 2 * (a.l3 - a.l4)}})};
}

TSeries CallistoSeries(const TArguments& a) {
  return {SineSum({{84109, a.l4 - a.pi4},
                   {3429, a.pi4 - a.pi3},
                   {-3305, 2 * (a.psi - a.bigPi)},
                   {-3211, a.g},
                   {-1860, a.l4 - a.pi3},
                   {1182, a.psi - a.w4},
                   {622, a.l4 + a.pi4 - 2 * a.g - 2 * a.bigPi},
                   {385, 2 * (a.l4 - a.pi4)},
                   {-284, 5 * a.gPrime - 2 * a.g + 52.225 * kDegToRad},
                   {-233, 2 * (a.psi - a.pi4)},
                   {-233, a.l3 - a.l4}}),
          SineSum({{-76579, a.l4 - a.psi},
                   {44148, a.l4 - a.w4},
                   {-5106, a.l4 - a.w3},
                   {773, a.l4 + a.psi - 2 * a.bigPi - 2 * a.g}}),
          CosineSum({{-73391, a.l4 - a.pi4}, {1620, a.l4 - a.pi3}, {974, a.l3 - a.l4}})};
}

TSeries SeriesOf(const TArguments& a, std::size_t k) {
  switch (k) {
    case 0:
      return IoSeries(a);
    case 1:
      return EuropaSeries(a);
    case 2:
      return GanymedeSeries(a);
    default:
      return CallistoSeries(a);
  }
}

double MeanLongitude(const TArguments& a, std::size_t k) {
  const std::array<double, kGalileanCount> l = {a.l1, a.l2, a.l3, a.l4};
  return l[k];
}

// From Jupiter's equator (x toward the node psi') to the ecliptic and equinox of date.
TVec3 JupiterEquatorToEcliptic(TVec3 v, double jd, double psiPrime) {
  const double t1 = (jd - velcommon::kJdJ1900) / velcommon::kDaysPerCentury;
  const double t2 = (jd - velcommon::kJdJ2000) / velcommon::kDaysPerCentury;
  const double inclination = (3.120262 + 0.0006 * t1) * kDegToRad;
  const double node = (100.464441 + 1.020955 * t2 + 0.00040117 * t2 * t2) * kDegToRad;
  const double orbitInclination = (1.30327 - 0.0054966 * t2 + 0.00000465 * t2 * t2) * kDegToRad;
  v = RotateX(v, inclination);
  v = RotateZ(v, psiPrime - node);
  v = RotateX(v, orbitInclination);
  return RotateZ(v, node);
}

TSatelliteCache<kGalileanCount> gCache;

}  // namespace

TVec3 GalileanPosition(double jd, std::size_t k) {
  const TArguments a = Arguments(jd - 2443000.5);
  const double t0 = (jd - 2433282.423) / velcommon::kDaysPerCentury;
  const double precession = (1.3966626 * t0 + 0.0003088 * t0 * t0) * kDegToRad;
  const TSeries series = SeriesOf(a, k);
  const double longitude = MeanLongitude(a, k) + series.longitude * 1e-5 * kDegToRad + precession;
  const double latitude = std::atan(series.latitude * 1e-7);
  const double radius = kSemiMajorAxisRadii[k] * (1.0 + series.radius * 1e-7);
  const double psiPrime = a.psi + precession;
  const TVec3 equatorial = {radius * std::cos(longitude - psiPrime) * std::cos(latitude),
                            radius * std::sin(longitude - psiPrime) * std::cos(latitude),
                            radius * std::sin(latitude)};
  return JupiterEquatorToEcliptic(equatorial, jd, psiPrime);
}

}  // namespace velmoons

extern "C" void CalcJupSat(double t, int32_t satellite, double* ra, double* dec, double* distance,
                           double* magnitude) {
  using namespace velmoons;
  const std::size_t k = static_cast<std::uint8_t>(satellite);
  if (k >= kGalileanCount) {
    return;
  }
  if (const auto cached = gCache.Find(k, t)) {
    WritePlace(*cached, ra, dec, distance, magnitude);
    return;
  }
  const TParentPlanet jupiter = ParentPlanetPosition(TPlanet::Jupiter, t);
  TVec3 s = GalileanPosition(EmissionJd(t, jupiter), k);
  EclEqu(t, &s.x, &s.y, &s.z);
  const TSatellitePlace place =
      PlaceFromOffset(jupiter, kJupiterRadiusAu * s, kMagnitudeAtUnitDistance[k]);
  gCache.Store(k, t, place);
  WritePlace(place, ra, dec, distance, magnitude);
}
