// The two searches of the eclipse computation, each with a bounded number of evaluations:
// the local minimum of a function of time by parabolas over shrinking steps, and the sign
// change of a function between two moments by a guarded false position.
#ifndef VELARION_APP_SOLAR_LUNAR_EXTREMUMSEARCH_H
#define VELARION_APP_SOLAR_LUNAR_EXTREMUMSEARCH_H

#include <functional>
#include <optional>

namespace velarion::lunar {

using TTimeFunction = std::function<double(double)>;

struct TMinimumSearch {
  double firstStep = 0.0;  // days
  double divisor = 2.0;    // each refinement divides the step by it (at least 2)
  double tolerance = 0.0;  // days: the search ends when the step is below it
};

// A moment of local minimum of `f` found from `start`; none when the function is not
// finite or the minimum is not bracketed within the allowed steps.
std::optional<double> FindMinimum(const TTimeFunction& f, const TMinimumSearch& search,
                                  double start);

// The moment between `outer` and `inner` where `f` changes sign, to `tolerance` days; none
// when f has the same sign at both ends (0 counts as positive) or the steps run out.
std::optional<double> FindSignChange(const TTimeFunction& f, double tolerance, double outer,
                                     double inner);

}  // namespace velarion::lunar

#endif
