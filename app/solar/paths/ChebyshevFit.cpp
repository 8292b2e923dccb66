#include "ChebyshevFit.h"

#include <cmath>
#include <numbers>

namespace velarion::paths {

namespace {

constexpr double kNodeCount = static_cast<double>(kChebyshevNodes);

double NodeAngle(std::size_t k) {
  return (2.0 * static_cast<double>(k) + 1.0) * std::numbers::pi / (2.0 * kNodeCount);
}

}  // namespace

double WideningFactor() {
  const double x = (1.0 - std::cos(NodeAngle(0))) / 2.0;
  return x / (1.0 - 2.0 * x);
}

TTimeSpan Widened(const TTimeSpan& span) {
  const double margin = (span.tEnd - span.tStart) * WideningFactor();
  return {span.tStart - margin, span.tEnd + margin};
}

TNodeValues NodeTimes(const TTimeSpan& span) {
  const TTimeSpan wide = Widened(span);
  const double mid = (wide.tStart + wide.tEnd) / 2.0;
  const double half = (wide.tEnd - wide.tStart) / 2.0;
  TNodeValues times{};
  for (std::size_t k = 0; k < kChebyshevNodes; ++k) times[k] = mid + half * std::cos(NodeAngle(k));
  return times;
}

TChebyshevSeries FitChebyshev(const TNodeValues& valuesAtNodes) {
  TChebyshevSeries series{};
  for (std::size_t j = 0; j < kChebyshevNodes; ++j) {
    double sum = 0.0;
    for (std::size_t k = 0; k < kChebyshevNodes; ++k) {
      sum += valuesAtNodes[k] * std::cos(static_cast<double>(j) * NodeAngle(k));
    }
    series[j] = 2.0 / kNodeCount * sum;
  }
  return series;
}

double EvaluateChebyshev(const TChebyshevSeries& series, double u) {
  double next = 0.0;
  double afterNext = 0.0;
  for (std::size_t j = kChebyshevNodes - 1; j >= 1; --j) {
    const double current = 2.0 * u * next - afterNext + series[j];
    afterNext = next;
    next = current;
  }
  return u * next - afterNext + series[0] / 2.0;
}

double ChebyshevArgument(const TTimeSpan& span, double t) {
  const TTimeSpan wide = Widened(span);
  return (2.0 * t - (wide.tStart + wide.tEnd)) / (wide.tEnd - wide.tStart);
}

}  // namespace velarion::paths
