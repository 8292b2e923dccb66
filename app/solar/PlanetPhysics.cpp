#include "PlanetPhysics.h"

#include <algorithm>
#include <cmath>

namespace velarion::solar {

namespace {
// 5 / ln 10: 5 log10(x) as a multiple of ln(x).
constexpr double kFiveLog10PerLn = 2.17147241;
}  // namespace

double PlanetCosPhase(double deltaAu, double rAu, double earthSunAu) {
  if (!(deltaAu > 0.0 && rAu > 0.0)) return 1.0;
  const double c = (deltaAu * deltaAu + rAu * rAu - earthSunAu * earthSunAu) / 2.0 / rAu / deltaAu;
  return std::isfinite(c) ? std::clamp(c, -1.0, 1.0) : 1.0;
}

double IlluminatedFraction(double cosPhase) { return (1.0 + cosPhase) / 2.0; }

double PlanetMagnitude(TPlanetIndex planet, double phaseAngleDeg, double rAu, double deltaAu) {
  const double i = phaseAngleDeg;
  double v = 0.0;
  switch (planet) {
    case TPlanetIndex::kMercury:
      v = -0.42 + 0.027 * i + 2.2e-13 * std::pow(i, 6);
      break;
    case TPlanetIndex::kVenus:
      v = -4.4 + 0.013 * i + 4.2e-7 * i * i * i;
      break;
    case TPlanetIndex::kMars:
      v = -1.52 + 0.016 * i;
      break;
    case TPlanetIndex::kJupiter:
      v = -9.4 + 0.014 * i;
      break;
    case TPlanetIndex::kSaturn:
      v = -8.88;
      break;
    case TPlanetIndex::kUranus:
      v = -7.18;
      break;
    case TPlanetIndex::kNeptune:
      v = -6.86;
      break;
    case TPlanetIndex::kPluto:
      v = -0.96;
      break;
    default:
      return 0.0;
  }
  const double product = rAu * deltaAu;
  return product > 0.0 ? v + kFiveLog10PerLn * std::log(product) : v;
}

double ApparentDiameterDeg(double diameterAt1AuArcsec, double deltaAu) {
  return deltaAu > 0.0 ? diameterAt1AuArcsec / deltaAu / 3600.0 : 0.0;
}

}  // namespace velarion::solar
