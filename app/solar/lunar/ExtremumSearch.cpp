#include "ExtremumSearch.h"

#include <algorithm>
#include <cmath>

namespace velarion::lunar {

namespace {

// Enough to walk a step of an hour across a day, and to refine far below a second.
constexpr int kMaxShifts = 200;
constexpr int kMaxRefinements = 40;
constexpr int kMaxRootSteps = 100;
constexpr double kFlat = 1e-9;

struct TBracket {
  double x1, x2, x3;
  double f1, f2, f3;
};

// Moves the three points downhill until the middle one is lowest; false when that takes
// too long or a value is not finite.
bool Bracket(const TTimeFunction& f, double h, TBracket& b) {
  for (int shift = 0; shift < kMaxShifts; ++shift) {
    if (!std::isfinite(b.f1) || !std::isfinite(b.f2) || !std::isfinite(b.f3)) return false;
    if (b.f1 >= b.f2 && b.f2 >= b.f3 && !(b.f1 == b.f2 && b.f2 == b.f3)) {
      b = {b.x2, b.x3, b.x3 + h, b.f2, b.f3, f(b.x3 + h)};
    } else if (b.f1 <= b.f2 && b.f2 <= b.f3 && !(b.f1 == b.f2 && b.f2 == b.f3)) {
      b = {b.x1 - h, b.x1, b.x2, f(b.x1 - h), b.f1, b.f2};
    } else {
      return true;
    }
  }
  return false;
}

// The vertex of the parabola through the three points, as an offset from the middle one.
double ParabolaOffset(const TBracket& b, double h) {
  const double a = (b.f1 - 2.0 * b.f2 + b.f3) / (2.0 * h * h);
  const double slope = (b.f3 - b.f1) / (2.0 * h);
  if (std::fabs(a) > kFlat) return -slope / (2.0 * a);
  return 0.0;
}

bool Negative(double v) { return v < 0.0; }

}  // namespace

std::optional<double> FindMinimum(const TTimeFunction& f, const TMinimumSearch& search,
                                  double start) {
  double h = std::fabs(search.firstStep);
  const double divisor = std::max(search.divisor, 2.0);
  if (!(h > 0.0) || !std::isfinite(start)) return std::nullopt;
  double x = start;
  for (int refinement = 0; refinement < kMaxRefinements; ++refinement) {
    TBracket b{x - h, x, x + h, f(x - h), f(x), f(x + h)};
    if (!Bracket(f, h, b)) return std::nullopt;
    if (h < search.tolerance) return b.x2;
    // The vertex stays inside the bracket, so a poor parabola cannot throw the search away.
    x = b.x2 + std::clamp(ParabolaOffset(b, h), -h, h);
    h /= divisor;
  }
  return std::nullopt;
}

std::optional<double> FindSignChange(const TTimeFunction& f, double tolerance, double outer,
                                     double inner) {
  double a = outer, b = inner;
  double fa = f(a), fb = f(b);
  if (!std::isfinite(fa) || !std::isfinite(fb) || Negative(fa) == Negative(fb)) {
    return std::nullopt;
  }
  double previous = b - 2.0 * tolerance;
  for (int step = 0; step < kMaxRootSteps; ++step) {
    const double x = b - fb * (a - b) / (fa - fb);
    const double fx = f(x);
    if (!std::isfinite(fx)) return std::nullopt;
    const double change = std::fabs(x - previous);
    previous = x;
    double y = 0.0;
    if (Negative(fx) == Negative(fb)) {
      b = x, fb = fx;
      y = b + (a - b) / 9.0;
    } else {
      a = x, fa = fx;
      y = a - (a - b) / 9.0;
    }
    if (change < tolerance) return x;
    // A second point a ninth of the way in keeps false position from creeping from one side.
    const double fy = f(y);
    if (!std::isfinite(fy)) return std::nullopt;
    if (Negative(fy) == Negative(fb)) {
      b = y, fb = fy;
    } else {
      a = y, fa = fy;
    }
  }
  return std::nullopt;
}

}  // namespace velarion::lunar
