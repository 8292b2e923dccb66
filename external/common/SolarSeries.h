// Evaluation of the planetary (VSOP87) and lunar (ELP/MPP02) trigonometric series, shared
// by velastro's abridged theories and velsolar's complete ones.
//
// VSOP87 (Bretagnon and Francou, A&A 202, 309, 1988): a coordinate is
//   sum over k of t^k * sum A cos(B + C t), t in Julian millennia from J2000.0 (TDB).
// ELP/MPP02 (Chapront and Francou, A&A 404, 735, 2003), with the arguments expanded into
// polynomials of time: a coordinate is sum over k of T^k * sum A sin(p0 + p1 T + .. + p4 T^4),
// T in Julian centuries from J2000.0 (TDB); longitude and latitude in arcseconds, distance
// in kilometres, the mean longitude W1 added to the longitude.
#ifndef VELARION_SOLAR_SERIES_H
#define VELARION_SOLAR_SERIES_H

#include <array>
#include <cmath>
#include <span>

namespace velseries {

struct TVsopTerm {
  double a;
  double b;
  double c;
};

struct TElpTerm {
  double a;
  double phase[5];
  // Pads the term to eight doubles: GCC vectorises strided loads of 8-double records
  // (and so the sine calls) but not of 6-double ones.
  double unused[2] = {};
};

struct TValueAndRate {
  double value;
  double rate;  // per unit of the theory's time argument
};

// One coordinate of a theory: its series by power of time (index = power).
template <typename Term>
using TPowerSeries = std::span<const std::span<const Term>>;

inline double Polynomial(std::span<const double> c, double t) {
  double v = 0.0;
  for (auto it = c.rbegin(); it != c.rend(); ++it) {
    v = v * t + *it;
  }
  return v;
}

// The inner sums, the hot loops of every theory (SolarSeries.cpp, vectorised).
// Sum of A cos(B + C t).
double SumVsop(std::span<const TVsopTerm> terms, double t);
// The same and its derivative with respect to t, -sum A C sin(B + C t).
TValueAndRate SumVsopWithRate(std::span<const TVsopTerm> terms, double t);
// Sum of A sin(p0 + p1 t + .. + p4 t^4).
double SumElp(std::span<const TElpTerm> terms, double t);

inline double EvaluateVsop(TPowerSeries<TVsopTerm> coordinate, double t) {
  double v = 0.0;
  for (auto it = coordinate.rbegin(); it != coordinate.rend(); ++it) {
    v = v * t + SumVsop(*it, t);
  }
  return v;
}

// Value and its derivative with respect to t.
inline TValueAndRate EvaluateVsopWithRate(TPowerSeries<TVsopTerm> coordinate, double t) {
  double value = 0.0;
  double rate = 0.0;
  double tk = 1.0;    // t^k
  double tkm1 = 0.0;  // k t^(k-1)
  int k = 0;
  for (std::span<const TVsopTerm> terms : coordinate) {
    const TValueAndRate sum = SumVsopWithRate(terms, t);
    value += tk * sum.value;
    rate += tkm1 * sum.value + tk * sum.rate;
    ++k;
    tkm1 = k * tk;
    tk *= t;
  }
  return {value, rate};
}

inline double EvaluateElp(TPowerSeries<TElpTerm> coordinate, double t) {
  double v = 0.0;
  for (auto it = coordinate.rbegin(); it != coordinate.rend(); ++it) {
    v = v * t + SumElp(*it, t);
  }
  return v;
}

// General precession in longitude of the ELP/MPP02 solution fitted to DE405, arcseconds:
// the IAU 1976 rate 5029.0966"/cy with the fit's correction of -0.29965"/cy (Chapront and
// Francou 2003). Added to the longitude it refers the Moon to the equinox of date.
inline double ElpPrecessionArcsec(double tCenturies) {
  constexpr std::array<double, 5> c = {0.0, 5029.0966 - 0.29965, 1.1120, 0.000077, -0.00002353};
  return Polynomial(c, tCenturies);
}

}  // namespace velseries

#endif
