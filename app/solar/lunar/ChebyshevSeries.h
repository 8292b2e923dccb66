// A Chebyshev series fitted to a function over an interval from its values at the
// Chebyshev nodes of the first kind (Press et al., Numerical Recipes, 5.8): a smooth place
// over less than a day is then evaluated for the cost of a few multiplications.
#ifndef VELARION_APP_SOLAR_LUNAR_CHEBYSHEVSERIES_H
#define VELARION_APP_SOLAR_LUNAR_CHEBYSHEVSERIES_H

#include <span>
#include <vector>

namespace velarion::lunar {

class TChebyshevSeries {
 public:
  // The degree + 1 nodes over [from, to], from the late end to the early one.
  static std::vector<double> Nodes(double from, double to, int degree);
  // The series through `valuesAtNodes`, given in the order of Nodes(from, to, degree).
  TChebyshevSeries(double from, double to, std::span<const double> valuesAtNodes);

  bool Covers(double x) const { return x >= from_ && x <= to_; }
  // The value at x, 0 outside the interval.
  double Value(double x) const;

 private:
  double from_;
  double to_;
  std::vector<double> coefficients_;
};

}  // namespace velarion::lunar

#endif
