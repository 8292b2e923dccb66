#include "RefractionTable.h"

#include <algorithm>
#include <cmath>

#include "AngleUtils.h"
#include "velastro.h"

namespace velarion::sky {

namespace {

constexpr double kHorizonTolerance = 0.0003;
constexpr double kSineTolerance = 5e-6;
constexpr double kAltitudeToleranceDeg = 0.001;
// Each of these fixed-point searches converges in a handful of steps for every clamped
// pressure and temperature; the bound only stops a pathological model from hanging a
// redraw.
constexpr int kMaxIterations = 100;

}  // namespace

TRefractionTable::TRefractionTable(double pressureMbar, double temperatureC) {
  entries_[kPressure] = ClampPressure(pressureMbar);
  entries_[kTemperature] = ClampTemperature(temperatureC);
  entries_[kFactorAt15] = FactorAt(15.0);
  entries_[kFactorAtZenith] = FactorAt(89.9999);
  for (std::size_t i = 0; i <= kStepCount; ++i) {
    const double sine = kSin1 + static_cast<double>(i) * kSineStep;
    entries_[kFirstStep + i] = FactorAt(RadToDeg(ArcSin(sine)));
  }
  entries_[kHorizonSine] = std::sin(DegToRad(FindHorizonAltitudeDeg()));
  entries_[kApparentSineAt1] = std::sin(DegToRad(1.0 + RefractionDeg(1.0)));
}

// fmin/fmax rather than std::clamp so that a NaN argument also ends inside the range.
double TRefractionTable::ClampPressure(double pressureMbar) {
  return std::fmax(kVelastroMinPressureMbar, std::fmin(pressureMbar, kVelastroMaxPressureMbar));
}

double TRefractionTable::ClampTemperature(double temperatureC) {
  return std::fmax(kVelastroMinTemperatureC, std::fmin(temperatureC, kVelastroMaxTemperatureC));
}

bool TRefractionTable::IsFor(double pressureMbar, double temperatureC) const {
  return entries_[kPressure] == ClampPressure(pressureMbar) &&
         entries_[kTemperature] == ClampTemperature(temperatureC);
}

double TRefractionTable::RefractionDeg(double altitudeDeg) const {
  return refrac(altitudeDeg, entries_[kPressure], entries_[kTemperature]);
}

// cos r - tan h sin r = cos(h + r) / cos h.
double TRefractionTable::FactorAt(double trueAltitudeDeg) const {
  const double refraction = DegToRad(RefractionDeg(trueAltitudeDeg));
  return std::cos(refraction) - Tan(DegToRad(trueAltitudeDeg)) * std::sin(refraction);
}

// Fixed point of x = -r(x): the true altitude whose refracted altitude is 0.
double TRefractionTable::FindHorizonAltitudeDeg() const {
  double x = 0.0;
  for (int i = 0; i < kMaxIterations; ++i) {
    const double refraction = RefractionDeg(x);
    if (std::fabs(x + refraction) < kHorizonTolerance) {
      break;
    }
    x = -refraction;
  }
  return x;
}

// Near the horizon the sine stands in for the angle itself.
TRefracted TRefractionTable::ApplyNearHorizon(double trueSine) const {
  const double rho = DegToRad(RefractionDeg(RadToDeg(trueSine)));
  return {trueSine + rho, std::sqrt(1.0 - rho * rho) - rho * trueSine};
}

TRefracted TRefractionTable::RemoveRefraction(double apparentSine) const {
  if (apparentSine >= entries_[kApparentSineAt1]) {
    return RemoveAboveOneDegree(apparentSine);
  }
  const double trueSine = RemoveNearHorizon(apparentSine);
  return {trueSine, ApplyRefraction(trueSine).factor};
}

// cos(apparent) = k cos(true) solved for sin(true), k depending on the answer.
TRefracted TRefractionTable::RemoveAboveOneDegree(double apparentSine) const {
  const double apparentCos2 = 1.0 - apparentSine * apparentSine;
  double s = apparentSine;
  for (int i = 0; i < kMaxIterations; ++i) {
    const double previous = s;
    const double k = ApplyRefraction(s).factor;
    s = std::sqrt(std::fmax(0.0, 1.0 - apparentCos2 / (k * k)));
    if (std::fabs(s - previous) < kSineTolerance) {
      break;
    }
  }
  return {s, ApplyRefraction(s).factor};
}

// Fixed point of x = h' - r(x) in degrees, where the table is too coarse.
double TRefractionTable::RemoveNearHorizon(double apparentSine) const {
  const double apparentDeg = RadToDeg(ArcSin(apparentSine));
  double x = apparentDeg;
  for (int i = 0; i < kMaxIterations; ++i) {
    const double previous = x;
    x = apparentDeg - RefractionDeg(x);
    if (std::fabs(previous - x) < kAltitudeToleranceDeg) {
      break;
    }
  }
  return std::sin(DegToRad(x));
}

}  // namespace velarion::sky
