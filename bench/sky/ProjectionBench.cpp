// Points per second of the two forward conversions, called through the host exports the
// way groups call them, over a catalogue-sized star set in quick mode at R = 500.
//
//   cmake -S . -B build-sky-rel -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build build-sky-rel --target sky_bench -j2
//   build-sky-rel/sky_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ProjectionExports.h"
#include "Units.h"

namespace {

using velarion::sky::TProjectionSetup;

// Tens of thousands of stars spread evenly over the sphere; about half are above the
// horizon, as in a real catalogue.
constexpr std::size_t kStarCount = 50000;
constexpr double kZoneDeg = 5.0;

struct TStar {
  double raDeg;
  double decDeg;
};

struct TQuickStar {
  int32_t raArcmin;
  int32_t decArcmin;
};

// Catalogue order: stars filed in 5-degree zones of declination and right ascension, as
// region-organised catalogues store them. Shuffled order is the worst case for the branch
// predictor: every star is a coin toss for visibility.
std::vector<TStar> MakeStars(bool catalogueOrder) {
  std::mt19937 generator(2024);
  std::uniform_real_distribution<double> ra(0.0, 360.0);
  std::uniform_real_distribution<double> sinDec(-1.0, 1.0);
  std::vector<TStar> stars(kStarCount);
  for (TStar& star : stars) {
    star = {ra(generator), std::asin(sinDec(generator)) * velcommon::kRadToDeg};
  }
  if (catalogueOrder) {
    const auto zone = [](const TStar& s) {
      return std::pair{std::floor(s.decDeg / kZoneDeg), std::floor(s.raDeg / kZoneDeg)};
    };
    std::stable_sort(stars.begin(), stars.end(),
                     [&](const TStar& a, const TStar& b) { return zone(a) < zone(b); });
  }
  return stars;
}

const std::vector<TStar>& Stars(bool catalogueOrder) {
  static const std::vector<TStar> catalogue = MakeStars(true);
  static const std::vector<TStar> shuffled = MakeStars(false);
  return catalogueOrder ? catalogue : shuffled;
}

// In quick mode groups hold whole arcminutes, rounded from degrees.
std::vector<TQuickStar> QuickStars(bool catalogueOrder) {
  std::vector<TQuickStar> stars;
  for (const TStar& star : Stars(catalogueOrder)) {
    stars.push_back({static_cast<int32_t>(std::lround(star.raDeg * 60.0)),
                     static_cast<int32_t>(std::lround(star.decDeg * 60.0))});
  }
  return stars;
}

// Args: stereographic (0/1), refraction (0/1), catalogue order (1) or shuffled (0).
void SetUpView(benchmark::State& state) {
  velarion::sky::InitProjectionTables();
  TProjectionSetup setup;
  setup.centreX = 640;
  setup.centreY = 480;
  setup.radius = 500;
  setup.quick = true;
  setup.stereographic = state.range(0) != 0;
  setup.refraction = state.range(1) != 0;
  setup.latitudeDeg = 55.75;
  setup.siderealHours = 7.3;
  setup.mjdUt = 60400.0;
  velarion::sky::SetProjection(setup);
  SetEpoch(0.0, 1);
  state.SetLabel(std::string(state.range(0) != 0 ? "stereographic" : "orthographic") +
                 (state.range(1) != 0 ? "+refraction" : "") +
                 (state.range(2) != 0 ? ", catalogue order" : ", shuffled"));
}

// Projects every star once an iteration, summing the pixels of those shown so that the
// work is kept; `project` gives whether a star is shown and its pixel.
template <class TStarType, class TProject>
void ProjectAll(benchmark::State& state, const std::vector<TStarType>& stars, TProject project) {
  for (auto _ : state) {
    int32_t sum = 0;
    for (const TStarType& star : stars) {
      int32_t x = 0;
      int32_t y = 0;
      if (project(star, x, y)) {
        sum += x ^ y;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(stars.size()));
  velarion::sky::FreeProjectionTables();
}

void BM_QuickRaDecToXY(benchmark::State& state) {
  SetUpView(state);
  ProjectAll(state, QuickStars(state.range(2) != 0),
             [](const TQuickStar& star, int32_t& x, int32_t& y) {
               return QuickRaDecToXY(star.raArcmin, star.decArcmin, &x, &y);
             });
}

void BM_RaDecToXY(benchmark::State& state) {
  SetUpView(state);
  ProjectAll(state, Stars(state.range(2) != 0), [](const TStar& star, int32_t& x, int32_t& y) {
    return RaDecToXY(star.raDeg, star.decDeg, &x, &y);
  });
}

void ProjectionKinds(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"stereo", "refraction", "catalogue"});
  for (const int64_t catalogueOrder : {1, 0}) {
    for (const int64_t stereographic : {0, 1}) {
      for (const int64_t refraction : {0, 1}) {
        benchmark->Args({stereographic, refraction, catalogueOrder});
      }
    }
  }
}

BENCHMARK(BM_QuickRaDecToXY)->Apply(ProjectionKinds);
BENCHMARK(BM_RaDecToXY)->Apply(ProjectionKinds);

}  // namespace

BENCHMARK_MAIN();
