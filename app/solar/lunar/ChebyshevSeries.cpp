#include "ChebyshevSeries.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace velarion::lunar {

namespace {

double NodeAngle(std::size_t k, std::size_t count) {
  return std::numbers::pi * (static_cast<double>(k) + 0.5) / static_cast<double>(count);
}

}  // namespace

std::vector<double> TChebyshevSeries::Nodes(double from, double to, int degree) {
  const std::size_t count = static_cast<std::size_t>(degree) + 1;
  std::vector<double> nodes(count);
  for (std::size_t k = 0; k < count; ++k) {
    nodes[k] = std::cos(NodeAngle(k, count)) * (to - from) / 2.0 + (from + to) / 2.0;
  }
  return nodes;
}

TChebyshevSeries::TChebyshevSeries(double from, double to, std::span<const double> valuesAtNodes)
    : from_(from), to_(to), coefficients_(valuesAtNodes.size()) {
  const std::size_t count = valuesAtNodes.size();
  for (std::size_t j = 0; j < count; ++j) {
    double sum = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
      sum += valuesAtNodes[k] * std::cos(static_cast<double>(j) * NodeAngle(k, count));
    }
    coefficients_[j] = 2.0 * sum / static_cast<double>(count);
  }
}

double TChebyshevSeries::Value(double x) const {
  if (!Covers(x) || coefficients_.empty() || to_ == from_) return 0.0;
  // Clenshaw's recurrence.
  const double y = (2.0 * x - from_ - to_) / (to_ - from_);
  double b1 = 0.0;
  double b2 = 0.0;
  for (std::size_t j = coefficients_.size() - 1; j >= 1; --j) {
    const double b = coefficients_[j] + 2.0 * y * b1 - b2;
    b2 = b1;
    b1 = b;
  }
  return y * b1 - b2 + coefficients_[0] / 2.0;
}

}  // namespace velarion::lunar
