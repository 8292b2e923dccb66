// Cost of one evaluation of every theory of velsolar, as a planet display needs it.
//   ./run.sh once, then build-release/solar_bench
#include "SolarTheory.h"
#include "velsolar.h"

#include <benchmark/benchmark.h>

namespace {

using TTheory = void (*)(double, double*, double*, double*);

constexpr TTheory kAll[] = {Mer404, Ven404, Ear404, Mar404, Jup404, Sat404,
                            Ura404, Nep404, Plu404, Sun404, Moon};

void AllTheoriesOnce(benchmark::State& state) {
  double t = 0.2612;
  double sum = 0.0;
  for (auto _ : state) {
    for (TTheory theory : kAll) {
      double l = 0.0, b = 0.0, r = 0.0;
      theory(t, &l, &b, &r);
      sum += l + b + r;
    }
    t += 1e-6;  // a new moment each time, as the view steps
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(AllTheoriesOnce)->Unit(benchmark::kMicrosecond);

void TermCount(benchmark::State& state) {
  const velsolar::TSolarTheory full(velsolar::InstalledSeriesPath(), velsolar::TTruncation::kNone);
  const velsolar::TSolarTheory cut(velsolar::InstalledSeriesPath(),
                                   velsolar::TTruncation::kAccuracyBudget);
  for (auto _ : state) {
    benchmark::DoNotOptimize(cut.TermCount());
  }
  state.counters["terms_full"] = static_cast<double>(full.TermCount());
  state.counters["terms_used"] = static_cast<double>(cut.TermCount());
}
BENCHMARK(TermCount)->Iterations(1);

void MoonOnly(benchmark::State& state) {
  double t = 0.2612;
  for (auto _ : state) {
    double l = 0.0, b = 0.0, r = 0.0;
    Moon(t, &l, &b, &r);
    benchmark::DoNotOptimize(l);
    t += 1e-6;
  }
}
BENCHMARK(MoonOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
