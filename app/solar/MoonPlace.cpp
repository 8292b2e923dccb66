#include "MoonPlace.h"

#include "BodyPosition.h"
#include "DiscOutline.h"
#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>

namespace velarion::solar {

namespace {

using velcommon::kDegToRad;
using velcommon::kEarthRadiusAu;
using velcommon::kKmPerEarthRadius;
using velcommon::kMoonRadiusEarthRadii;
using velcommon::kRadToDeg;
using velcommon::kSolarRadiusAu;
constexpr double kMeanMoonDistanceAu = 0.0025695;
constexpr double kHorizonRefractionDeg = 34.0 / 60.0;
constexpr double kDaysPerAgeDegree = velcommon::kDaysPerSynodicMonthRounded / 360.0;
// Shadow radii: the Earth's flattening and the enlargement by its atmosphere.
constexpr double kShadowFlattening = 0.99833;
constexpr double kAtmosphere = 1.02;

double Normalize360(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

double Sin(double deg) { return std::sin(deg * kDegToRad); }
double Cos(double deg) { return std::cos(deg * kDegToRad); }
double ArcCos(double x) { return std::acos(std::clamp(x, -1.0, 1.0)) * kRadToDeg; }

double TopocentricDistance(const TMoonMoment& m, const TBodyPosition& p) {
  double ox = 0.0, oy = 0.0, oz = 0.0, mx = 0.0, my = 0.0, mz = 0.0;
  Cart(1.0, m.latitudeDeg, 15.0 * LMST(m.mjdUt, 0.0) + m.longitudeEastDeg, &ox, &oy, &oz);
  Cart(p.distance, p.decDeg, p.raDeg, &mx, &my, &mz);
  return std::sqrt((mx - ox) * (mx - ox) + (my - oy) * (my - oy) + (mz - oz) * (mz - oz));
}

void AddShadow(const TBodyPosition& sun, TMoonPlace& moon) {
  const double shadowRa = Normalize360(sun.raDeg + 180.0);
  const double shadowDec = -sun.decDeg;
  const double sunSemiDiameter = std::atan(kSolarRadiusAu / sun.distance) * kRadToDeg;
  const double sunParallax = std::asin(kEarthRadiusAu / sun.distance) * kRadToDeg;
  const double moonParallax = std::asin(std::min(1.0, 1.0 / moon.distanceEarthRadii)) * kRadToDeg;
  moon.penumbraArcmin =
      (kShadowFlattening * moonParallax + sunSemiDiameter + sunParallax) * kAtmosphere * 60.0;
  moon.umbraArcmin =
      (kShadowFlattening * moonParallax - sunSemiDiameter + sunParallax) * kAtmosphere * 60.0;
  const double separationArcmin =
      ArcCos(Sin(moon.decDeg) * Sin(shadowDec) +
             Cos(moon.decDeg) * Cos(shadowDec) * Cos(moon.raDeg - shadowRa)) *
      60.0;
  moon.eclipse = moon.penumbraArcmin + moon.semiDiameterArcmin >= separationArcmin;
  moon.shadowRaDeg = shadowRa;
  moon.shadowDecDeg = shadowDec;
  if (moon.eclipse) {
    moon.shadowRaDeg = Normalize360(moon.topoRaDeg - moon.raDeg + shadowRa);
    moon.shadowDecDeg = moon.topoDecDeg - moon.decDeg + shadowDec;
  }
}

}  // namespace

double TMoonPlace::AgeDays() const { return ageAngleDeg * kDaysPerAgeDegree; }

double TMoonPlace::Phase() const { return (1.0 - Cos(ageAngleDeg)) / 2.0; }

TLimb BrightLimb(double raDeg, double decDeg, double sunRaDeg, double sunDecDeg) {
  double h = std::fabs(sunRaDeg - raDeg);
  if (h > 180.0) h = 360.0 - h;
  if (std::fabs(Normalize360(sunRaDeg + h) - Normalize360(raDeg)) < 1e-6) h = -h;
  const double cosE = Cos(h) * Cos(sunDecDeg) * Cos(decDeg) + Sin(sunDecDeg) * Sin(decDeg);
  const double elongation = ArcCos(cosE);
  const double denominator = Cos(decDeg) * Sin(elongation);
  // Beside the Sun or opposite it, or at a pole, the direction is undefined: north.
  double chi = 0.0;
  if (std::fabs(denominator) > 1e-12) {
    chi = ArcCos((Sin(sunDecDeg) - Sin(decDeg) * cosE) / denominator);
    if (h < 0.0) chi = -chi;
  }
  return {Normalize360(chi + 90.0), elongation};
}

double MoonRiseAltitudeDeg(double distanceEarthRadii) {
  const double parallaxDeg = std::asin(1.0 / distanceEarthRadii) * kRadToDeg;
  const double semiDiameterDeg = std::asin(kMoonRadiusEarthRadii / distanceEarthRadii) * kRadToDeg;
  return parallaxDeg - semiDiameterDeg - kHorizonRefractionDeg;
}

TMoonPlace ComputeMoonPlace(const TMoonMoment& m) {
  const double t = GetT(m.mjdDynamical);
  const TBodyPosition p = ComputeBodyPosition(kMoon, m.highPrecision, m.astrometric, t);
  TMoonPlace moon;
  moon.highPrecision = p.highPrecision;
  moon.longitudeDeg = p.longitudeDeg;
  moon.latitudeDeg = p.latitudeDeg;
  moon.raDeg = p.raDeg;
  moon.decDeg = p.decDeg;
  moon.altitudeDeg =
      Parallax(LMST(m.mjdUt, -m.longitudeEastDeg), p.raDeg, p.decDeg,
               p.distance * kKmPerEarthRadius, m.latitudeDeg, &moon.topoRaDeg, &moon.topoDecDeg);
  moon.distanceEarthRadii = TopocentricDistance(m, p);
  moon.semiDiameterArcmin =
      std::atan(kMoonRadiusEarthRadii / moon.distanceEarthRadii) * kRadToDeg * 60.0;

  const TBodyPosition sun = ComputeBodyPosition(kSun, m.highPrecision, m.astrometric, t);
  moon.ageAngleDeg = Normalize360(p.longitudeDeg - sun.longitudeDeg);
  if (!AboveDrawingHorizon(moon.altitudeDeg, moon.semiDiameterArcmin)) return moon;

  const TLimb limb = BrightLimb(moon.topoRaDeg, moon.topoDecDeg, sun.raDeg, sun.decDeg);
  moon.brightLimbDeg = limb.brightLimbDeg;
  const double rs = sun.distance;
  const double a = kMeanMoonDistanceAu;
  const double v = std::sqrt(rs * rs + a * a - 2.0 * rs * a * Cos(limb.elongationDeg));
  moon.cosPhase = std::clamp((v * v + a * a - rs * rs) / (2.0 * a * v), -1.0, 1.0);
  AddShadow(sun, moon);
  return moon;
}

}  // namespace velarion::solar
