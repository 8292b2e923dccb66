// Chebyshev approximation of a function of time from its values at seven nodes, the nodes
// spread over a span widened so that the outermost two fall exactly on the span's ends
// (so each end is sampled once and shared with the neighbouring span), and the series
// evaluated by Clenshaw's recurrence. Method: Press et al., Numerical Recipes, section 5.8
// (chebft, chebev).
#ifndef VELARION_APP_SOLAR_PATHS_CHEBYSHEVFIT_H
#define VELARION_APP_SOLAR_PATHS_CHEBYSHEVFIT_H

#include <array>
#include <cstddef>

namespace velarion::paths {

inline constexpr std::size_t kChebyshevNodes = 7;
using TChebyshevSeries = std::array<double, kChebyshevNodes>;
using TNodeValues = std::array<double, kChebyshevNodes>;

// w = x / (1 - 2x), x = (1 - cos(pi / 14)) / 2: a span [t0, t1] is fitted on
// [t0 - (t1 - t0) w, t1 + (t1 - t0) w].
double WideningFactor();

struct TTimeSpan {
  double tStart = 0.0;
  double tEnd = 0.0;
};
TTimeSpan Widened(const TTimeSpan& span);

// Node k = mid + half cos((2k + 1) pi / 14) of the widened span, k = 0 .. 6: descending,
// node 0 on the span's end and node 6 on its start.
TNodeValues NodeTimes(const TTimeSpan& span);

// c_j = (2/7) sum_k f(node k) cos(j (2k + 1) pi / 14).
TChebyshevSeries FitChebyshev(const TNodeValues& valuesAtNodes);

// c0 / 2 + sum_j c_j T_j(u), u in [-1, 1] over the widened span.
double EvaluateChebyshev(const TChebyshevSeries& series, double u);

// u of time t on the widened span of `span`.
double ChebyshevArgument(const TTimeSpan& span, double t);

}  // namespace velarion::paths

#endif
