// Cost of fitting an object's path (positions asked of the body's theory, as a cheap group
// gives them) and of evaluating the fit, as a redraw does.
//   ./run.sh once, then build-release/path_bench
#include "BodyPosition.h"
#include "PathFit.h"
#include "PathSegment.h"
#include "Units.h"

#include <benchmark/benchmark.h>

namespace {

using velarion::paths::TPathPositionSource;
using velarion::paths::TPlaceOfEquinox;

using velcommon::kDaysPerCentury;
constexpr double kStart = 0.26;  // T of early 2026

TPathPositionSource CountedBody(velarion::solar::TBody body, int64_t& asked) {
  return [body, &asked](double t) -> std::optional<TPlaceOfEquinox> {
    ++asked;
    const velarion::solar::TBodyPosition p =
        velarion::solar::ComputeBodyPosition(body, true, true, t);
    return TPlaceOfEquinox{p.raDeg, p.decDeg, t};
  };
}

// state.range(0): the span in days.
void FitMoonPath(benchmark::State& state) {
  const double span = static_cast<double>(state.range(0)) / kDaysPerCentury;
  int64_t asked = 0;
  std::size_t segments = 0;
  for (auto _ : state) {
    const velarion::paths::TPathFit fit = velarion::paths::FitPath(
        kStart, kStart + span, CountedBody(velarion::solar::kMoon, asked), {});
    segments = fit.segments.size();
  }
  state.counters["segments"] = static_cast<double>(segments);
  state.counters["positions"] =
      benchmark::Counter(static_cast<double>(asked), benchmark::Counter::kAvgIterations);
}
BENCHMARK(FitMoonPath)->Arg(30)->Arg(365)->Unit(benchmark::kMillisecond);

void EvaluateMoonPath(benchmark::State& state) {
  int64_t asked = 0;
  const velarion::paths::TPathFit fit = velarion::paths::FitPath(
      kStart, kStart + 365.0 / kDaysPerCentury, CountedBody(velarion::solar::kMoon, asked), {});
  double t = kStart;
  double sum = 0.0;
  for (auto _ : state) {
    if (const auto* segment = velarion::paths::SegmentAt(fit.segments, t)) {
      sum += velarion::paths::PlaceOnSegment(*segment, t).raDeg;
    }
    t += 1e-5;
    if (t > kStart + 365.0 / kDaysPerCentury) t = kStart;
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(EvaluateMoonPath);

}  // namespace

BENCHMARK_MAIN();
