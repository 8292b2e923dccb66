// The eight major satellites of Saturn after Meeus, Astronomical Algorithms (chapter on
// the satellites of Saturn), recast in one form: mean elements from one table, each
// satellite's own periodic terms on those elements, and one conversion of elements into a
// position through Kepler's equation.
#include "velmoons.h"

#include "MoonFrame.h"
#include "SatelliteTheories.h"

namespace velmoons {

namespace {

// The table's semi-major axes are in units of 1e4 / 4.624607160841955e-5 of an AU.
constexpr double kAxisUnitAu = 1.0e-4 * 4.624607160841955e-5;
// Saturn's equator on the ecliptic of B1950: inclination and ascending node.
constexpr double kEquatorInclinationDeg = 28.0817;
constexpr double kEquatorNodeDeg = 168.8112;
// Mimas .. Dione have elements on Saturn's equator, the others on the ecliptic.
constexpr std::size_t kFirstEclipticSatellite = 4;

constexpr std::array<double, kSaturnSatelliteCount> kMagnitudeAtUnitDistance = {
    3.3, 2.1, 0.6, 0.8, 0.1, -1.28, 4.63, 1.5};

struct TMeanElements {
  double jd0;
  double axis;  // in the table's unit
  double e;
  double inclinationDeg;
  double lambda0Deg;
  double motionDegPerDay;
  double node0Deg;
  double nodeRateDegPerYear;
  double peri0Deg;
  double periRateDegPerYear;
};

// Zeros stand where the satellite's own terms supply the element.
constexpr std::array<TMeanElements, kSaturnSatelliteCount> kMeanElements = {{
    {2411093.0, 268180, 0.019050, 1.5630, 127.64, 381.994497, 54.5, -365.072, 106.1, 365.549},
    {2411093.0, 344301, 0.004850, 0.0262, 200.317, 262.7319002, 348.0, -151.95, 309.107, 123.44121},
    {2411093.0, 426393, 0.0, 1.0976, 285.306, 190.69791226, 111.33, -72.2441, 0.0, 0.0},
    {2411093.0, 545876, 0.002157, 0.0139, 254.712, 131.53493193, 232.0, -30.27, 174.8, 30.82},
    {2411093.0, 762277, 0.0, 0.0, 359.244, 79.6900472, 345.0, -10.057, 276.59, 0.5118},
    {2411368.0, 1766041, 0.029092, 0.0, 261.1582, 22.57697855, 42.0, -0.5118, 276.59, 0.5118},
    {2415020.0, 2140790, 0.0, 0.0, 177.047, 16.91993829, 94.9, -2.292, 69.898, -18.67088},
    {2409786.0, 5148431, 0.028298, 0.0, 76.3852, 4.53795125, 143.198, -0.03919, 352.91, 0.1171},
}};

// Osculating-style elements while the terms work on them; angles in degrees.
struct TElements {
  double a;  // AU
  double e;
  double inclination;
  double lambda;
  double node;
  double peri;
};

double SinD(double deg) { return std::sin(deg * kDegToRad); }
double CosD(double deg) { return std::cos(deg * kDegToRad); }
using velcommon::kRadToDeg;

// Julian years of the table since the satellite's epoch, and days.
struct TEpochTime {
  double days;
  double years;
};

TElements MeanElementsAt(const TMeanElements& m, TEpochTime time) {
  return {m.axis * kAxisUnitAu,
          m.e,
          m.inclinationDeg,
          m.lambda0Deg + m.motionDegPerDay * time.days,
          m.node0Deg + m.nodeRateDegPerYear * time.years,
          m.peri0Deg + m.periRateDegPerYear * time.years};
}

// Mimas-Tethys libration, shared by the pair.
double MimasTethysTerm(double jd) {
  const double year = (jd - velcommon::kJdJ2000) / velcommon::kDaysPerYear + 2000.0;
  const double w0 = 5.095 * (year - 1866.39);
  return -43.57 * SinD(w0) - 0.7209 * SinD(3 * w0) - 0.0205 * SinD(5 * w0);
}

// Enceladus-Dione resonance, shared by the pair.
double EnceladusDioneTerm(double years) {
  return 0.2566666667 * SinD(74.4 + 32.39 * years) + 0.2098333333 * SinD(134.3 + 92.62 * years);
}

void ApplyRheaTerms(TElements& el, double years) {
  const double node0 = el.node;
  const double b = 342.7 + 10.057 * years;
  const double w4 = 42.02 - 0.5118 * years;
  const double s = 0.000265 * SinD(b) + 0.001 * SinD(el.peri);
  const double c = 0.000265 * CosD(b) + 0.001 * CosD(el.peri);
  el.inclination = 28.0362 + 0.3469 * CosD(node0) + 0.0193 * CosD(w4);
  el.node = 168.8034 + (0.3469 * SinD(node0) + 0.0193 * SinD(w4)) / 0.47073;
  el.lambda += 0.0867097 * SinD(node0);
  el.peri = std::atan2(s, c) * kRadToDeg;
  el.e = std::sqrt(s * s + c * c);
}

// The forced eccentricity of Titan: both corrections follow the published form,
// e' = e + 0.00019048 (cos 2g - cos 2g0) and peri' = peri + 0.37515 deg (sin 2g - sin 2g0);
// 0.00019048 / e = 0.37515 deg in radians = 0.0065485.
void ApplyTitanTerms(TElements& el) {
  constexpr double kForced = 0.006548475353482726;
  constexpr double kTwoG0Deg = 206.398;
  const double node0 = el.node;
  el.lambda += 0.0867097 * SinD(node0);
  el.node = 168.6692 + 0.3469 * SinD(node0) / 0.47073;
  el.inclination = 27.4514 + 0.3469 * CosD(node0);
  const double g = el.peri - el.node - 4.6;
  el.e += kForced * el.e * (CosD(2 * g) - CosD(kTwoG0Deg));
  el.peri += kForced * (SinD(2 * g) - SinD(kTwoG0Deg)) * kRadToDeg;
}

void ApplyHyperionTerms(TElements& el, double jd, TEpochTime time) {
  const double node0 = el.node;
  const double t8 = time.years;
  const double t9 = (jd - 2442000.5) / velcommon::kDaysPerYear;
  const double t5 = (jd - 2411368.0) / velcommon::kDaysPerYear;
  const double w4 = 42.02 - 0.5118 * t5;
  const double eta = 92.39 + 0.5621071 * time.days;
  const double zeta = 148.19 - 19.18 * t8;
  const double theta = -34.70 - 61.7844 * t8;
  const double phi = 176.0 + 12.22 * t8;
  const double psi = 8.0 + 24.44 * t8;
  const double chi = psi + 5.0;
  const double w1 = 184.8 - 35.41 * t9;
  const double w2 = 177.3 - 35.41 * t9;
  el.e = 0.103458;
  // The orbit plane turns about its Laplace plane (inclination 27.3347 deg, node 168.6812 deg
  // on the ecliptic of B1950) with the node argument node0. The published node term reads
  // 1.40136 cos(node0); a turning plane moves its node with the sine, as the other node
  // terms here (each the inclination term's coefficient / sin 27.3347 deg) and the
  // longitude terms below (0.643486 tan(27.3347 deg / 2) sin node0) do, so the sine is used.
  el.inclination =
      27.3347 + 0.643486 * CosD(node0) + 0.315 * CosD(w4) - 0.018 * CosD(chi) + 0.018 * CosD(w1);
  el.node = 168.6812 + 1.40136 * SinD(node0) + 0.68599 * SinD(w4) - 0.0392 * SinD(chi) +
            0.0366 * SinD(w2);
  // The node's motion seen in longitudes counted from the ecliptic's equinox.
  const double nodeTerm = 0.15648 * SinD(node0);
  el.lambda += nodeTerm;
  el.peri += nodeTerm;
  el.peri += -0.07 * SinD(theta);
  el.lambda += 9.142 * SinD(eta) + 0.007 * SinD(2 * eta) - 0.014 * SinD(3 * eta) -
               0.013 * SinD(phi) + 0.017 * SinD(psi) - 0.0303 * SinD(theta);
  el.peri += -0.4457 * SinD(eta) - 0.2419 * SinD(3 * zeta);
  el.lambda += 0.2275 * SinD(zeta + eta) + 0.2112 * SinD(zeta - eta) - 0.26 * SinD(zeta) -
               0.0098 * SinD(2 * zeta);
  el.peri += -0.2657 * SinD(zeta + eta) - 0.3573 * SinD(zeta - eta) - 12.872 * SinD(zeta) +
             1.668 * SinD(2 * zeta);
  el.a += -3.509e-5 * CosD(eta) - 6.7e-7 * CosD(zeta + eta) + 7.1e-7 * CosD(zeta - eta);
  el.e += -0.004099 * CosD(eta) - 0.000167 * CosD(zeta + eta) + 0.000235 * CosD(zeta - eta) +
          0.02303 * CosD(zeta) - 0.00212 * CosD(2 * zeta) + 0.000151 * CosD(3 * zeta) +
          0.00013 * CosD(theta);
}

void ApplyIapetusTerms(TElements& el, double jd, TEpochTime time) {
  const double tc = time.years / 100.0;
  const double t7 = (jd - velcommon::kJdJ1900) / velcommon::kDaysPerCentury;
  const double t4 = jd - 2411368.0;
  el.inclination = 18.4602 - 0.9518 * tc - 0.072 * tc * tc + 0.0054 * tc * tc * tc;
  el.node += 0.116 * tc * tc + 0.008 * tc * tc * tc;
  el.e += 0.001156 * tc;
  const double sunL = 267.263 + 1222.114 * t7, sunPeri = 91.796 + 0.562 * t7;
  // bigTheta's rate is the published 3.198 deg per century (3.918 would be a digit swap).
  const double bigPsi = 4.367 - 0.195 * t7, bigTheta = 146.819 - 3.198 * t7;
  const double titanL = 261.319 + 22.576974 * t4, titanPeri = 277.102 + 0.001389 * t4;
  const double bigPhi = 60.47 + 1.521 * t7, titanTheta = 205.055 - 2.091 * t7;
  const double l = el.lambda - el.peri;
  const double g = el.peri - el.node - bigPsi;
  const double g1 = el.peri - el.node - bigPhi;
  const double ls = sunL - sunPeri, gs = sunPeri - bigTheta;
  const double lT = titanL - titanPeri, gT = titanPeri - titanTheta;
  const double e = el.e;
  const double sinInclination = SinD(el.inclination);
  el.a += el.a * 1e-5 * (7.87 * CosD(2 * (l + g - ls - gs)) + 98.79 * CosD(l + g1 - lT - gT));
  el.peri += (0.08077 * SinD(g1 - gT) + 0.02139 * SinD(2 * (ls + gs - g)) -
              0.00676 * SinD(l + 2 * (g - ls - gs)) + 0.0138 * SinD(l) +
              0.01632 * SinD(2 * l + g1 - lT - gT) + 0.03547 * SinD(lT + gT - g1)) /
             e;
  // The three solar terms in 2(ls + gs) carry the phase bigPsi, the others bigPhi.
  el.node += (0.04204 * SinD(2 * (ls + gs) + bigPsi) + 0.00235 * SinD(l + g1 + lT + gT + bigPhi) +
              0.00358 * SinD(l + g1 - lT - gT + bigPhi)) /
             sinInclination;
  el.e += 1e-5 * (-140.97 * CosD(g1 - gT) + 37.33 * CosD(2 * (ls + gs - g)) +
                  11.8 * CosD(l + 2 * (g - ls - gs)) + 24.08 * CosD(l) +
                  28.49 * CosD(2 * l + g1 - lT - gT) + 61.9 * CosD(lT + gT - g1));
  el.lambda += -0.04299 * SinD(l + g1 - lT - gT) - 0.00789 * SinD(2 * (l + g - ls - gs)) -
               0.06312 * SinD(ls) - 0.00295 * SinD(2 * ls) - 0.02231 * SinD(2 * (ls + gs)) +
               0.0065 * SinD(2 * (ls + gs) + bigPsi);
  el.inclination += 0.04204 * CosD(2 * (ls + gs) + bigPsi) +
                    0.00235 * CosD(l + g1 + lT + gT + bigPhi) +
                    0.0036 * CosD(l + g1 - lT - gT + bigPhi);
}

TElements ElementsAt(double jd, std::size_t k) {
  const TMeanElements& mean = kMeanElements[k];
  const double days = jd - mean.jd0;
  const TEpochTime time{days, days / velcommon::kDaysPerYear};
  TElements el = MeanElementsAt(mean, time);
  switch (k) {
    case 0:
      el.lambda += MimasTethysTerm(jd);
      break;
    case 1:
      el.lambda += EnceladusDioneTerm(time.years);
      break;
    case 2:
      el.lambda += MimasTethysTerm(jd) / -21.12;
      break;
    case 3:
      el.lambda += EnceladusDioneTerm(time.years) / -12.0;
      break;
    case 4:
      ApplyRheaTerms(el, time.years);
      break;
    case 5:
      ApplyTitanTerms(el);
      break;
    case 6:
      ApplyHyperionTerms(el, jd, time);
      break;
    default:
      ApplyIapetusTerms(el, jd, time);
      break;
  }
  if (k < kFirstEclipticSatellite) {
    el.lambda -= kEquatorNodeDeg;
    el.peri -= kEquatorNodeDeg;
    el.node -= kEquatorNodeDeg;
  }
  return el;
}

// Position on the elements' reference plane, AU.
TVec3 PositionFromElements(const TElements& el) {
  const double inclination = el.inclination * kDegToRad;
  const double node = el.node * kDegToRad;
  const double peri = el.peri * kDegToRad;
  const double m = Reduce2Pi((el.lambda - el.peri) * kDegToRad);
  const double omega = peri - node;
  const double u = node + std::atan2(std::sin(omega) * std::cos(inclination), std::cos(omega));
  TVec3 p = {std::cos(u), std::sin(u), std::tan(inclination) * std::sin(u - node)};
  p = (1.0 / Length(p)) * p;
  const TVec3 w = {std::sin(node) * std::sin(inclination), -std::cos(node) * std::sin(inclination),
                   std::cos(inclination)};
  const TVec3 q = Cross(w, p);
  const double e = el.e;
  const double bigE = SolveEccentricKepler(m, e);
  const double nu = std::atan2(std::sqrt(1.0 - e * e) * std::sin(bigE), std::cos(bigE) - e);
  const double r = el.a * (1.0 - e * e) / (1.0 + e * std::cos(nu));
  return (r * std::cos(nu)) * p + (r * std::sin(nu)) * q;
}

TSatelliteCache<kSaturnSatelliteCount> gCache;

}  // namespace

double SolveEccentricKepler(double m, double e) {
  constexpr int kMaxIterations = 12;
  constexpr double kTolerance = 1e-14;
  // Start on the same branch as m: atan2 answers in (-pi, pi], m may be anywhere.
  double bigE = std::atan2(std::sin(m), std::cos(m) - e);
  bigE += kTwoPi * std::round((m - bigE) / kTwoPi);
  for (int i = 0; i < kMaxIterations; ++i) {
    const double step = (bigE - e * std::sin(bigE) - m) / (1.0 - e * std::cos(bigE));
    bigE -= step;
    if (std::fabs(step) <= kTolerance) {
      break;
    }
  }
  return bigE;
}

TVec3 SaturnSatelliteEclipticB1950(double jd, std::size_t k) {
  const TVec3 s = PositionFromElements(ElementsAt(jd, k));
  if (k >= kFirstEclipticSatellite) {
    return s;
  }
  return RotateZ(RotateX(s, kEquatorInclinationDeg * kDegToRad), kEquatorNodeDeg * kDegToRad);
}

}  // namespace velmoons

extern "C" void CalcSatSat(double t, int32_t satellite, double* ra, double* dec, double* distance,
                           double* magnitude) {
  using namespace velmoons;
  const std::size_t k = static_cast<std::uint8_t>(satellite);
  if (k >= kSaturnSatelliteCount) {
    return;
  }
  if (const auto cached = gCache.Find(k, t)) {
    WritePlace(*cached, ra, dec, distance, magnitude);
    return;
  }
  const TParentPlanet saturn = ParentPlanetPosition(TPlanet::Saturn, t);
  const TVec3 s =
      EclipticB1950ToEquatorOfDate(SaturnSatelliteEclipticB1950(EmissionJd(t, saturn), k), t);
  const TSatellitePlace place = PlaceFromOffset(saturn, s, kMagnitudeAtUnitDistance[k]);
  gCache.Store(k, t, place);
  WritePlace(place, ra, dec, distance, magnitude);
}
