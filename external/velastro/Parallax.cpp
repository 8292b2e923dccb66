// Topocentric place of a body.
//
// The observer stands at sea level on the reference ellipsoid (IERS 2003 / WGS 84:
// a = 6378.137 km, f = 1/298.257223563) at geodetic latitude phi; the geocentric
// vectors of the body and the observer are subtracted rigorously (Explanatory
// Supplement 1992, 3.351; Meeus, Astronomical Algorithms, ch. 11 for rho sin phi' and
// rho cos phi').
#include "velastro.h"

#include "Support.h"

#include <cmath>

namespace {

constexpr double kFlattening = 1.0 / 298.257223563;

}  // namespace

using namespace velastro;

extern "C" double Parallax(double lstHours, double ra, double dec, double distanceKm,
                           double latitude, double* raTopo, double* decTopo) {
  const double phi = latitude * kDegToRad;
  const double theta = lstHours * 15.0 * kDegToRad;

  double topoRa = ra;
  double topoDec = dec;
  // A body without a usable distance is treated as infinitely far: no parallax.
  if (std::isfinite(distanceKm) && distanceKm > kKmPerEarthRadius) {
    const double u = std::atan((1.0 - kFlattening) * std::tan(phi));
    const double rhoCos = kKmPerEarthRadius * std::cos(u);
    const double rhoSin = kKmPerEarthRadius * (1.0 - kFlattening) * std::sin(u);
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    Cart(distanceKm, dec, ra, &x, &y, &z);
    x -= rhoCos * std::cos(theta);
    y -= rhoCos * std::sin(theta);
    z -= rhoSin;
    double r = 0.0;
    Polar(x, y, z, &r, &topoDec, &topoRa);
  }

  const double hourAngle = theta - topoRa * kDegToRad;
  const double d = topoDec * kDegToRad;
  const double sinAlt =
      std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(hourAngle);
  Store(raTopo, topoRa);
  Store(decTopo, topoDec);
  return std::asin(std::fmax(-1.0, std::fmin(1.0, sinAlt))) * kRadToDeg;
}
