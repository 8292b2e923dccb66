#include "KeplerOrbit.h"

#include "Units.h"
#include "velastro.h"

#include <cmath>
#include <numbers>

namespace velarion::orbits {
namespace {

constexpr int kMaxEllipticCorrections = 15;
constexpr double kEllipticTolerance = 1e-7;  // radians of Kepler's equation
constexpr double kNewtonStartSwitch = 0.8;   // start from π above this eccentricity
constexpr int kMaxHyperbolicCorrections = 15;
constexpr double kHyperbolicTolerance = 1e-10;
constexpr double kHyperbolicStartOffset = 1.8;
constexpr int kMaxNearParabolicRounds = 16;
constexpr double kNearParabolicTolerance = 1e-9;
constexpr int kMaxStumpffTerms = 60;
constexpr double kStumpffTermLimit = 1e-12;

// k × days since perihelion (the time argument of every solution).
double ScaledTime(double tCenturies, double perihelionCenturies) {
  return kGaussianConstant * velcommon::kDaysPerCentury * (tCenturies - perihelionCenturies);
}

struct TOrbitShape {
  double eccentricityGap = 0.0;   // |1 - e|
  double inverseSemimajor = 0.0;  // 1/a', AU⁻¹, 0 for a parabola
  double meanAnomalyDeg = 0.0;
  double scaledTime = 0.0;
};

TOrbitShape ShapeAt(const TPerihelionOrbit& orbit, double tCenturies) {
  TOrbitShape shape;
  shape.eccentricityGap = std::abs(1.0 - orbit.eccentricity);
  shape.inverseSemimajor = shape.eccentricityGap / orbit.perihelionAu;
  shape.scaledTime = ScaledTime(tCenturies, GetT(orbit.perihelionMjd));
  shape.meanAnomalyDeg =
      velcommon::kRadToDeg * shape.scaledTime *
      std::sqrt(shape.inverseSemimajor * shape.inverseSemimajor * shape.inverseSemimajor);
  return shape;
}

TKeplerBranch BranchOf(const TOrbitShape& shape, double eccentricity) {
  if (std::abs(shape.meanAnomalyDeg) < kNearParabolicMeanAnomalyDeg &&
      shape.eccentricityGap < kNearParabolicEccentricityBand) {
    return TKeplerBranch::kNearParabolic;
  }
  return eccentricity >= 1.0 ? TKeplerBranch::kHyperbolic : TKeplerBranch::kElliptic;
}

TPlaneState SolveElliptic(double meanAnomalyDeg, double a, double e) {
  // Reduced in degrees, where the mean anomaly lives, before turning it into radians.
  double reducedDeg = std::fmod(meanAnomalyDeg, 360.0);
  if (reducedDeg < 0.0) reducedDeg += 360.0;
  const double m = reducedDeg * velcommon::kDegToRad;
  double anomaly = e < kNewtonStartSwitch ? m : std::numbers::pi;
  for (int i = 0; i < kMaxEllipticCorrections; ++i) {
    const double f = anomaly - e * std::sin(anomaly) - m;
    if (std::abs(f) <= kEllipticTolerance) break;
    anomaly -= f / (1.0 - e * std::cos(anomaly));
  }
  const double n = kGaussianConstant / std::sqrt(a);
  const double cosE = std::cos(anomaly);
  const double sinE = std::sin(anomaly);
  const double minorFactor = std::sqrt(1.0 - e * e);
  const double denominator = 1.0 - e * cosE;
  return {a * (cosE - e), a * minorFactor * sinE, -n * sinE / denominator,
          n * minorFactor * cosE / denominator};
}

TPlaneState SolveHyperbolic(double tCenturies, double perihelionCenturies, double a, double e) {
  const double n = kGaussianConstant / std::sqrt(a);
  const double meanAnomaly =
      n * velcommon::kDaysPerCentury * (tCenturies - perihelionCenturies) / a;
  double anomaly = std::copysign(std::log(2.0 * std::abs(meanAnomaly) / e + kHyperbolicStartOffset),
                                 meanAnomaly);
  for (int i = 0; i < kMaxHyperbolicCorrections; ++i) {
    const double f = e * std::sinh(anomaly) - anomaly - meanAnomaly;
    if (std::abs(f) <= kHyperbolicTolerance * (1.0 + std::abs(anomaly + meanAnomaly))) break;
    anomaly -= f / (e * std::cosh(anomaly) - 1.0);
  }
  const double coshH = std::cosh(anomaly);
  const double sinhH = std::sinh(anomaly);
  const double minorFactor = std::sqrt(e * e - 1.0);
  const double denominator = e * coshH - 1.0;
  return {a * (e - coshH), a * minorFactor * sinhH, -n * sinhH / denominator,
          n * minorFactor * coshH / denominator};
}

struct TStumpff {
  double c1 = 0.0;
  double c2 = 0.0;
  double c3 = 0.0;
};

// c1, c2, c3 = Σ (−x)ⁿ/(2n+1)!, Σ (−x)ⁿ/(2n+2)!, Σ (−x)ⁿ/(2n+3)!.
TStumpff StumpffSeries(double x) {
  TStumpff c;
  double term = 1.0;  // (−x)ⁿ/(2n+1)!
  for (int n = 0; n < kMaxStumpffTerms; ++n) {
    c.c1 += term;
    term /= 2.0 * n + 2.0;
    c.c2 += term;
    term /= 2.0 * n + 3.0;
    c.c3 += term;
    if (std::abs(term) < kStumpffTermLimit) break;
    term *= -x;
  }
  return c;
}

TPlaneState SolveNearParabolic(double scaledTime, double q, double e) {
  const double k = kGaussianConstant / std::sqrt(q * (1.0 + e));
  double factor = 0.5 * e;
  double u = 0.0;
  TStumpff c;
  double previousE2 = 0.0;
  for (int round = 0; round < kMaxNearParabolicRounds; ++round) {
    const double a = 1.5 * std::sqrt(factor / (q * q * q)) * scaledTime;
    const double b = std::cbrt(std::sqrt(a * a + 1.0) + a);
    u = b - 1.0 / b;
    const double e2 = u * u * (1.0 - e) / factor;
    c = StumpffSeries(e2);
    factor = 3.0 * e * c.c3;
    if (std::abs(e2 - previousE2) < kNearParabolicTolerance) break;
    previousE2 = e2;
  }
  const double r = q * (1.0 + u * u * c.c2 * e / factor);
  const double x = q * (1.0 - u * u * c.c2 / factor);
  const double y = q * std::sqrt((1.0 + e) / factor) * u * c.c1;
  return {x, y, -k * y / r, k * (x / r + e)};
}

}  // namespace

TKeplerBranch KeplerBranchAt(const TPerihelionOrbit& orbit, double tCenturies) {
  return BranchOf(ShapeAt(orbit, tCenturies), orbit.eccentricity);
}

TPlaneState SolveKepler(const TPerihelionOrbit& orbit, double tCenturies) {
  const TOrbitShape shape = ShapeAt(orbit, tCenturies);
  const double e = orbit.eccentricity;
  switch (BranchOf(shape, e)) {
    case TKeplerBranch::kNearParabolic:
      return SolveNearParabolic(shape.scaledTime, orbit.perihelionAu, e);
    case TKeplerBranch::kHyperbolic:
      return SolveHyperbolic(tCenturies, GetT(orbit.perihelionMjd), 1.0 / shape.inverseSemimajor,
                             e);
    case TKeplerBranch::kElliptic:
      break;
  }
  return SolveElliptic(shape.meanAnomalyDeg, 1.0 / shape.inverseSemimajor, e);
}

}  // namespace velarion::orbits
