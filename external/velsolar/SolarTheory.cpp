#include "SolarTheory.h"

#include "Units.h"

#include <dlfcn.h>
#include <algorithm>
#include <cmath>
#include <type_traits>

namespace velsolar {

namespace {

using velseries::TElpTerm;
using velseries::TVsopTerm;

constexpr int kMoonBody = velcommon::BodyNumber(velcommon::TBody::kMoon);

// Budget in radians of the planets' angles (the radius uses the same fraction of the mean
// distance), by body number.
constexpr std::array<double, kMaxBody + 1> kPlanetBudgetRad = {0.0,  0.0,  2e-8, 2e-8, 2e-8,
                                                               2e-8, 1e-7, 1e-7, 5e-7, 5e-7};
constexpr double kMoonAngleBudgetArcsec = 0.05;
constexpr double kMoonDistanceBudgetKm = 0.002;

// The budgets hold for a thousand years either side of J2000.0: a series multiplied by
// t^k gets the budget divided by the k-th power of that span in its own time unit.
constexpr double kVsopSpanMillennia = 1.0;
constexpr double kElpSpanCenturies = 10.0;

// How many of the terms, sorted by decreasing amplitude, are kept for a budget.
template <typename Term>
std::size_t KeptTerms(const std::vector<Term>& terms, double budget) {
  std::size_t kept = terms.size();
  double droppedSquares = 0.0;
  while (kept > 0) {
    const double a = terms[kept - 1].a;
    if (4.0 * std::sqrt(droppedSquares + a * a) > budget) {
      break;
    }
    droppedSquares += a * a;
    --kept;
  }
  return kept;
}

template <typename Term>
std::vector<Term> TermsOf(const TSeriesRecord& record) {
  std::vector<Term> terms(record.values.size() / TermWidth(record.kind));
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const double* v = &record.values[i * TermWidth(record.kind)];
    if constexpr (std::is_same_v<Term, TVsopTerm>) {
      terms[i] = {v[0], v[1], v[2]};
    } else {
      terms[i] = {v[0], {v[1], v[2], v[3], v[4], v[5]}};
    }
  }
  std::stable_sort(terms.begin(), terms.end(),
                   [](const Term& x, const Term& y) { return std::fabs(x.a) > std::fabs(y.a); });
  return terms;
}

}  // namespace

template <typename Term>
void TSolarTheory::TCoordinate<Term>::Bind() {
  spans.assign(byPower.begin(), byPower.end());
}

TSolarTheory::TSolarTheory(const std::string& path, TTruncation truncation) {
  TSeriesFileContents contents = ReadSeriesFile(path);
  if (!contents.error.empty()) {
    error_ = path + ": " + contents.error;
    return;
  }
  // The radius budgets are fractions of the mean distance, the constant term of R0.
  std::array<double, kMaxBody + 1> meanDistance{};
  for (const TSeriesRecord& record : contents.series) {
    if (record.kind == TTermKind::kVsop && record.coordinate == 2 && record.power == 0) {
      for (std::size_t i = 0; i < record.values.size(); i += 3) {
        meanDistance[record.body] =
            std::max(meanDistance[record.body], std::fabs(record.values[i]));
      }
    }
  }
  for (TSeriesRecord& record : contents.series) {
    Add(std::move(record), truncation, meanDistance[record.body]);
  }
  for (auto& planet : planets_) {
    for (auto& coordinate : planet) {
      coordinate.Bind();
    }
  }
  for (auto& coordinate : moon_) {
    coordinate.Bind();
  }
  for (int body = velcommon::BodyNumber(velcommon::TBody::kMercury); body <= kMaxBody; ++body) {
    if (planets_[body][0].spans.empty() || planets_[body][2].spans.empty()) {
      error_ = path + ": series of body " + std::to_string(body) + " missing";
    }
  }
  if (moon_[0].spans.empty() || moon_[2].spans.empty()) {
    error_ = path + ": lunar series missing";
  }
}

void TSolarTheory::Add(TSeriesRecord&& record, TTruncation truncation, double meanDistance) {
  const bool truncate = truncation == TTruncation::kAccuracyBudget;
  const auto place = [&](auto& coordinate, auto terms, double budget, double span) {
    if (truncate) {
      terms.resize(KeptTerms(terms, budget / std::pow(span, record.power)));
    }
    if (coordinate.byPower.size() <= static_cast<std::size_t>(record.power)) {
      coordinate.byPower.resize(record.power + 1);
    }
    coordinate.byPower[record.power] = std::move(terms);
  };
  if (record.kind == TTermKind::kPolynomial && record.body == kMoonBody) {
    for (std::size_t i = 0; i < moonMeanLongitude_.size() && i < record.values.size(); ++i) {
      moonMeanLongitude_[i] = record.values[i];
    }
  } else if (record.kind == TTermKind::kElp && record.body == kMoonBody) {
    const double budget = record.coordinate == 2 ? kMoonDistanceBudgetKm : kMoonAngleBudgetArcsec;
    place(moon_[record.coordinate], TermsOf<TElpTerm>(record), budget, kElpSpanCenturies);
  } else if (record.kind == TTermKind::kVsop && record.body != kMoonBody) {
    const double budget =
        kPlanetBudgetRad[record.body] * (record.coordinate == 2 ? meanDistance : 1.0);
    place(planets_[record.body][record.coordinate], TermsOf<TVsopTerm>(record), budget,
          kVsopSpanMillennia);
  }
}

std::size_t TSolarTheory::TermCount() const {
  std::size_t n = 0;
  for (const auto& planet : planets_) {
    for (const auto& coordinate : planet) {
      for (const auto& terms : coordinate.byPower) {
        n += terms.size();
      }
    }
  }
  for (const auto& coordinate : moon_) {
    for (const auto& terms : coordinate.byPower) {
      n += terms.size();
    }
  }
  return n;
}

TSpherical TSolarTheory::Planet(velcommon::TBody body, double tMillennia) const {
  const auto& p = planets_[velcommon::BodyNumber(body)];
  return {velseries::EvaluateVsop(p[0].spans, tMillennia),
          velseries::EvaluateVsop(p[1].spans, tMillennia),
          velseries::EvaluateVsop(p[2].spans, tMillennia)};
}

TSpherical TSolarTheory::MoonWithoutPrecession(double tCenturies) const {
  return {velseries::Polynomial(moonMeanLongitude_, tCenturies) +
              velseries::EvaluateElp(moon_[0].spans, tCenturies) * velcommon::kArcsecToRad,
          velseries::EvaluateElp(moon_[1].spans, tCenturies) * velcommon::kArcsecToRad,
          velseries::EvaluateElp(moon_[2].spans, tCenturies)};
}

std::string InstalledSeriesPath() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&InstalledTheory), &info) != 0 &&
      info.dli_fname != nullptr) {
    std::string library = info.dli_fname;
    const auto slash = library.rfind('/');
    if (slash != std::string::npos) {
      return library.substr(0, slash + 1) + "velsolar.dat";
    }
  }
  return "velsolar.dat";
}

const TSolarTheory& InstalledTheory() {
  static const TSolarTheory theory(InstalledSeriesPath(), TTruncation::kAccuracyBudget);
  return theory;
}

}  // namespace velsolar
