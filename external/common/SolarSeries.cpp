// The inner sums of the series. They take almost all the time of the theories, so they
// are built for vectorisation: -ffast-math lets the compiler reorder the sums and call
// the vector sine and cosine of the C library (4 ulp, far below the terms' own
// precision), and a second copy for AVX2 processors is chosen at load time.
#include "SolarSeries.h"

#include "Units.h"

#include <cmath>
#include <cstdint>

namespace velseries {

#define VELSERIES_KERNEL __attribute__((target_clones("arch=haswell", "default")))

namespace {

// The angle brought into (-2 pi, 2 pi): the vector sine and cosine are several times
// faster there than on the thousands of radians the arguments reach. The whole turns are
// counted in 32 bits (arguments stay far below 2^31 turns) so that the reduction
// vectorises on every processor.
inline double Reduced(double angle) {
  using velcommon::kTwoPi;
  const auto turns = static_cast<int32_t>(angle * (1.0 / kTwoPi));
  return angle - kTwoPi * turns;
}

}  // namespace

VELSERIES_KERNEL double SumVsop(std::span<const TVsopTerm> terms, double t) {
  const TVsopTerm* p = terms.data();
  const std::size_t n = terms.size();
  double s = 0.0;
#pragma omp simd reduction(+ : s)
  for (std::size_t i = 0; i < n; ++i) {
    s += p[i].a * std::cos(Reduced(p[i].b + p[i].c * t));
  }
  return s;
}

VELSERIES_KERNEL TValueAndRate SumVsopWithRate(std::span<const TVsopTerm> terms, double t) {
  const TVsopTerm* p = terms.data();
  const std::size_t n = terms.size();
  double s = 0.0;
  double ds = 0.0;
#pragma omp simd reduction(+ : s, ds)
  for (std::size_t i = 0; i < n; ++i) {
    const double angle = Reduced(p[i].b + p[i].c * t);
    s += p[i].a * std::cos(angle);
    ds -= p[i].a * p[i].c * std::sin(angle);
  }
  return {s, ds};
}

VELSERIES_KERNEL double SumElp(std::span<const TElpTerm> terms, double t) {
  const TElpTerm* p = terms.data();
  const std::size_t n = terms.size();
  double s = 0.0;
#pragma omp simd reduction(+ : s)
  for (std::size_t i = 0; i < n; ++i) {
    const double* c = p[i].phase;
    s += p[i].a * std::sin(Reduced(c[0] + t * (c[1] + t * (c[2] + t * (c[3] + t * c[4])))));
  }
  return s;
}

}  // namespace velseries
