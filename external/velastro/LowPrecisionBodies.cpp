// Low-precision planets and Moon: the largest terms of VSOP87 D and ELP/MPP02
// (LowPrecisionSeries.inc, made by tools/solar_series/make_solar_series.py).
#include "velastro.h"

#include "Bodies.h"
#include "SolarSeries.h"
#include "Support.h"

#include <array>
#include <cmath>
#include <span>

namespace {

using velseries::TElpTerm;
using velseries::TVsopTerm;

constexpr TVsopTerm kVsopTerms[] = {
#define VELASTRO_VSOP_TERMS
#include "LowPrecisionSeries.inc"
#undef VELASTRO_VSOP_TERMS
};

constexpr TElpTerm kElpTerms[] = {
#define VELASTRO_ELP_TERMS
#include "LowPrecisionSeries.inc"
#undef VELASTRO_ELP_TERMS
};

struct TSeriesEntry {
  int planet;  // 1..8, 0 for the Moon
  int coordinate;
  int power;
  int first;
  int count;
};

constexpr TSeriesEntry kIndex[] = {
#define VELASTRO_SERIES_INDEX
#include "LowPrecisionSeries.inc"
#undef VELASTRO_SERIES_INDEX
};

constexpr std::array<double, 5> kMoonMeanLongitude = {
#define VELASTRO_MOON_MEAN_LONGITUDE
#include "LowPrecisionSeries.inc"
#undef VELASTRO_MOON_MEAN_LONGITUDE
};

constexpr int kMaxPowers = 6;

// Rate of the general precession in longitude (IAU 2006, Capitaine et al. 2003) in radians
// per millennium: the longitudes of date grow by it although nothing moves, so it is
// taken out of the velocities, which are motions among the fixed stars.
double PrecessionRateRadPerMillennium(double tCenturies) {
  constexpr std::array<double, 5> dpdt = {5028.796195, 2 * 1.1054348, 3 * 0.00007964,
                                          4 * -0.000023857, 5 * -0.0000000383};
  return velseries::Polynomial(dpdt, tCenturies) * 10.0 * velastro::kArcsecToRad;
}

template <typename Term>
struct TCoordinateSeries {
  std::array<std::span<const Term>, kMaxPowers> byPower{};
  int powers = 0;
  velseries::TPowerSeries<Term> Series() const {
    return {byPower.data(), static_cast<std::size_t>(powers)};
  }
};

// [planet 0 = Moon, 1..8][coordinate]
template <typename Term>
using TTheory = std::array<std::array<TCoordinateSeries<Term>, 3>, 9>;

template <typename Term>
TTheory<Term> BuildTheory(std::span<const Term> terms, bool moon) {
  TTheory<Term> theory{};
  for (const TSeriesEntry& e : kIndex) {
    if ((e.planet == 0) != moon) {
      continue;
    }
    TCoordinateSeries<Term>& c = theory[e.planet][e.coordinate];
    c.byPower[e.power] = terms.subspan(e.first, e.count);
    c.powers = std::max(c.powers, e.power + 1);
  }
  return theory;
}

const TTheory<TVsopTerm>& Planets() {
  static const TTheory<TVsopTerm> theory = BuildTheory<TVsopTerm>(kVsopTerms, false);
  return theory;
}

const TTheory<TElpTerm>& MoonTheory() {
  static const TTheory<TElpTerm> theory = BuildTheory<TElpTerm>(kElpTerms, true);
  return theory;
}

}  // namespace

extern "C" void Planet(double t, int32_t n, double* x, double* y, double* z, double* vx, double* vy,
                       double* vz) {
  double pos[3] = {0.0, 0.0, 0.0};
  double vel[3] = {0.0, 0.0, 0.0};
  using velcommon::TVelastroPlanet;
  if (n >= static_cast<int32_t>(TVelastroPlanet::kMercury) &&
      n <= static_cast<int32_t>(TVelastroPlanet::kNeptune)) {
    const auto& planet = Planets()[n];
    const double tau = t / 10.0;
    const auto l = velseries::EvaluateVsopWithRate(planet[0].Series(), tau);
    const auto b = velseries::EvaluateVsopWithRate(planet[1].Series(), tau);
    const auto r = velseries::EvaluateVsopWithRate(planet[2].Series(), tau);
    const double cl = std::cos(l.value);
    const double sl = std::sin(l.value);
    const double cb = std::cos(b.value);
    const double sb = std::sin(b.value);
    pos[0] = r.value * cb * cl;
    pos[1] = r.value * cb * sl;
    pos[2] = r.value * sb;
    // Rates are per millennium; the interface gives AU per day.
    const double dl = (l.rate - PrecessionRateRadPerMillennium(t)) / velastro::kDaysPerMillennium;
    const double db = b.rate / velastro::kDaysPerMillennium;
    const double dr = r.rate / velastro::kDaysPerMillennium;
    vel[0] = dr * cb * cl - r.value * db * sb * cl - r.value * dl * cb * sl;
    vel[1] = dr * cb * sl - r.value * db * sb * sl + r.value * dl * cb * cl;
    vel[2] = dr * sb + r.value * db * cb;
  }
  velastro::Store(x, pos[0]);
  velastro::Store(y, pos[1]);
  velastro::Store(z, pos[2]);
  velastro::Store(vx, vel[0]);
  velastro::Store(vy, vel[1]);
  velastro::Store(vz, vel[2]);
}

extern "C" void moon(double t, double* lambda, double* beta, double* distanceEarthRadii) {
  const auto& m = MoonTheory()[0];
  const double longitudeRad =
      velseries::Polynomial(kMoonMeanLongitude, t) +
      (velseries::EvaluateElp(m[0].Series(), t) + velseries::ElpPrecessionArcsec(t)) *
          velastro::kArcsecToRad;
  velastro::Store(lambda, velastro::Normalise360(longitudeRad * velastro::kRadToDeg));
  velastro::Store(beta, velseries::EvaluateElp(m[1].Series(), t) / 3600.0);
  velastro::Store(distanceEarthRadii,
                  velseries::EvaluateElp(m[2].Series(), t) / velastro::kKmPerEarthRadius);
}
