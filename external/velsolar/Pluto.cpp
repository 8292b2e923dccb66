// Pluto: Meeus' periodic series (Astronomical Algorithms, 2nd ed., ch. 37, table 37.A)
// from 1885 to 2099, and outside it the mean orbit of Standish's "Keplerian Elements for
// Approximate Positions of the Major Planets" (JPL, table 1: elements of J2000.0 with
// their rates per century), shifted by the difference of the two at the nearer end of the
// series' range so that the place is continuous there. Both give the J2000.0 ecliptic;
// the result is precessed to the ecliptic of date.
#include "velsolar.h"

#include "velastro.h"

#include "OutValues.h"
#include "Units.h"

#include <algorithm>
#include <cmath>

namespace {

using velcommon::kDegToRad;
constexpr double kSeriesFirstT = -1.15;  // 1885.0
constexpr double kSeriesLastT = 0.99;    // 2099.0

struct TPlutoTerm {
  int j;  // multiples of the mean longitudes of Jupiter, Saturn and Pluto
  int s;
  int p;
  double lonSin, lonCos;  // degrees
  double latSin, latCos;  // degrees
  double radSin, radCos;  // AU
};

constexpr TPlutoTerm kPlutoTerms[] = {
    {0, 0, 1, -19.799805, 19.850055, -5.452852, -14.974862, 6.6865439, 6.8951812},
    {0, 0, 2, 0.897144, -4.954829, 3.527812, 1.67279, -1.1827535, -0.0332538},
    {0, 0, 3, 0.611149, 1.211027, -1.050748, 0.327647, 0.1593179, -0.143889},
    {0, 0, 4, -0.341243, -0.189585, 0.17869, -0.292153, -0.0018444, 0.048322},
    {0, 0, 5, 0.129287, -0.034992, 0.01865, 0.10034, -0.0065977, -0.0085431},
    {0, 0, 6, -0.038164, 0.030893, -0.030697, -0.025823, 0.0031174, -0.0006032},
    {0, 1, -1, 0.020442, -0.009987, 0.004878, 0.011248, -0.0005794, 0.0022161},
    {0, 1, 0, -0.004063, -0.005071, 0.000226, -0.000064, 0.0004601, 0.0004032},
    {0, 1, 1, -0.006016, -0.003336, 0.00203, -0.000836, -0.0001729, 0.0000234},
    {0, 1, 2, -0.003956, 0.003039, 0.000069, -0.000604, -0.0000415, 0.0000702},
    {0, 1, 3, -0.000667, 0.003572, -0.000247, -0.000567, 0.0000239, 0.0000723},
    {0, 2, -2, 0.001276, 0.000501, -0.000057, 0.000001, 0.0000067, -0.0000067},
    {0, 2, -1, 0.001152, -0.000917, -0.000122, 0.000175, 0.0001034, -0.0000451},
    {0, 2, 0, 0.00063, -0.001277, -0.000049, -0.000164, -0.0000129, 0.0000504},
    {1, -1, 0, 0.002571, -0.000459, -0.000197, 0.000199, 0.000048, -0.0000231},
    {1, -1, 1, 0.000899, -0.001449, -0.000025, 0.000217, 0.0000002, -0.0000441},
    {1, 0, -3, -0.001016, 0.001043, 0.000589, -0.000248, -0.0003359, 0.0000265},
    {1, 0, -2, -0.002343, -0.001012, -0.000269, 0.000711, 0.0007856, -0.0007832},
    {1, 0, -1, 0.007042, 0.000788, 0.000185, 0.000193, 0.0000036, 0.0045763},
    {1, 0, 0, 0.001199, -0.000338, 0.000315, 0.000807, 0.0008663, 0.0008547},
    {1, 0, 1, 0.000418, -0.000067, -0.00013, -0.000043, -0.0000809, -0.0000769},
    {1, 0, 2, 0.00012, -0.000274, 0.000005, 0.000003, 0.0000263, -0.0000144},
    {1, 0, 3, -0.00006, -0.000159, 0.000002, 0.000017, -0.0000126, 0.0000032},
    {1, 0, 4, -0.000082, -0.000029, 0.000002, 0.000005, -0.0000035, -0.0000016},
    {1, 1, -3, -0.000036, -0.000029, 0.000002, 0.000003, -0.0000019, -0.0000004},
    {1, 1, -2, -0.00004, 0.000007, 0.000003, 0.000001, -0.0000015, 0.0000008},
    {1, 1, -1, -0.000014, 0.000022, 0.000002, -0.000001, -0.0000004, 0.0000012},
    {1, 1, 0, 0.000004, 0.000013, 0.000001, -0.000001, 0.0000005, 0.0000006},
    {1, 1, 1, 0.000005, 0.000002, 0, -0.000001, 0.0000003, 0.0000001},
    {1, 1, 3, -0.000001, 0, 0, 0, 0.0000006, -0.0000002},
    {2, 0, -6, 0.000002, 0, 0, -0.000002, 0.0000002, 0.0000002},
    {2, 0, -5, -0.000004, 0.000005, 0.000002, 0.000002, -0.0000002, -0.0000002},
    {2, 0, -4, 0.000004, -0.000007, -0.000007, 0, 0.0000014, 0.0000013},
    {2, 0, -3, 0.000014, 0.000024, 0.00001, -0.000008, -0.0000063, 0.0000013},
    {2, 0, -2, -0.000049, -0.000034, -0.000003, 0.00002, 0.0000136, -0.0000236},
    {2, 0, -1, 0.000163, -0.000048, 0.000006, 0.000005, 0.0000273, 0.0001065},
    {2, 0, 0, 0.000009, -0.000024, 0.000014, 0.000017, 0.0000251, 0.0000149},
    {2, 0, 1, -0.000004, 0.000001, -0.000002, 0, -0.0000025, -0.0000009},
    {2, 0, 2, -0.000003, 0.000001, 0, 0, 0.0000009, -0.0000002},
    {2, 0, 3, 0.000001, 0.000003, 0, 0, -0.0000008, 0.0000007},
    {3, 0, -2, -0.000003, -0.000001, 0, 0.000001, 0.0000002, -0.000001},
    {3, 0, -1, 0.000005, -0.000003, 0, 0, 0.0000019, 0.0000035},
    {3, 0, 0, 0, 0, 0.000001, 0, 0.000001, 0.0000003},
};

struct TEclipticPlace {
  double lon;  // degrees
  double lat;  // degrees
  double r;    // AU
};

TEclipticPlace SeriesPlace(double t) {
  const double jupiter = 34.35 + 3034.9057 * t;
  const double saturn = 50.08 + 1222.1138 * t;
  const double pluto = 238.96 + 144.96 * t;
  TEclipticPlace place{238.958116 + 144.96 * t, -3.908239, 40.7241346};
  for (const TPlutoTerm& term : kPlutoTerms) {
    const double a = (term.j * jupiter + term.s * saturn + term.p * pluto) * kDegToRad;
    const double sa = std::sin(a);
    const double ca = std::cos(a);
    place.lon += term.lonSin * sa + term.lonCos * ca;
    place.lat += term.latSin * sa + term.latCos * ca;
    place.r += term.radSin * sa + term.radCos * ca;
  }
  return place;
}

// Eccentric anomaly for the mean anomaly m (radians) and eccentricity e < 1.
double SolveKepler(double m, double e) {
  double ecc = m + e * std::sin(m);
  for (int i = 0; i < 30; ++i) {
    const double step = (ecc - e * std::sin(ecc) - m) / (1.0 - e * std::cos(ecc));
    ecc -= step;
    if (std::fabs(step) < 1e-14) {
      break;
    }
  }
  return ecc;
}

TEclipticPlace MeanOrbitPlace(double t) {
  const double a = 39.48211675 - 0.00031596 * t;
  const double e = 0.24882730 + 0.00005170 * t;
  const double incl = (17.14001206 + 0.00004818 * t) * kDegToRad;
  const double meanLon = 238.92903833 + 145.20780515 * t;
  const double perihelion = 224.06891629 - 0.04062942 * t;
  const double node = (110.30393684 - 0.01183482 * t) * kDegToRad;
  const double ecc = SolveKepler(std::remainder(meanLon - perihelion, 360.0) * kDegToRad, e);
  const double xp = a * (std::cos(ecc) - e);
  const double yp = a * std::sqrt(1.0 - e * e) * std::sin(ecc);
  const double w = perihelion * kDegToRad - node;
  const double cw = std::cos(w), sw = std::sin(w);
  const double co = std::cos(node), so = std::sin(node);
  const double ci = std::cos(incl), si = std::sin(incl);
  const double x = (cw * co - sw * so * ci) * xp + (-sw * co - cw * so * ci) * yp;
  const double y = (cw * so + sw * co * ci) * xp + (-sw * so + cw * co * ci) * yp;
  const double z = (sw * si) * xp + (cw * si) * yp;
  TEclipticPlace place{};
  Polar(x, y, z, &place.r, &place.lat, &place.lon);
  return place;
}

TEclipticPlace J2000Place(double t) {
  if (t >= kSeriesFirstT && t <= kSeriesLastT) {
    return SeriesPlace(t);
  }
  const double join = t < kSeriesFirstT ? kSeriesFirstT : kSeriesLastT;
  const TEclipticPlace series = SeriesPlace(join);
  const TEclipticPlace orbitAtJoin = MeanOrbitPlace(join);
  const TEclipticPlace orbit = MeanOrbitPlace(t);
  return {orbit.lon + std::remainder(series.lon - orbitAtJoin.lon, 360.0),
          orbit.lat + (series.lat - orbitAtJoin.lat), orbit.r + (series.r - orbitAtJoin.r)};
}

}  // namespace

extern "C" void Plu404(double t, double* l, double* b, double* r) {
  const TEclipticPlace p = J2000Place(t);
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  Cart(p.r, p.lat, p.lon, &x, &y, &z);
  double precession[9];
  PMatEcl(0.0, t, precession);
  Precart(precession, &x, &y, &z);
  double radius = 0.0;
  double lat = 0.0;
  double lon = 0.0;
  Polar(x, y, z, &radius, &lat, &lon);
  velcommon::Store(l, lon);
  velcommon::Store(b, lat);
  velcommon::Store(r, radius);
}
