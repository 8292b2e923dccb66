// The start-up loading itself: every built-in group and every plug-in of the build folder
// created, given its resources and put into the group list, then the saved order applied,
// without the pauses that keep each log line readable. The build folder is the program
// folder (its data files and Plugins/); the session around the loading is made outside
// the measured time.
#include "ProgramFolder.h"
#include "SkySession.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>

namespace {

class TNullLog final : public velarion::groups::TLoadLog {
 public:
  void BeginLine(std::string_view) override {}
  void AppendSegment(std::string_view, uint32_t) override {}
};

void LoadAllGroups(benchmark::State& state) {
  const std::atomic<bool> terminated{false};
  int32_t groups = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<velarion::ui::TSkySession>(velplatform::ProgramFolder(),
                                                               velarion::sky::TScreenMetrics{},
                                                               velarion::sky::SystemClock());
    TNullLog log;
    state.ResumeTiming();
    benchmark::DoNotOptimize(session->LoadGroups(log, false, terminated));
    state.PauseTiming();
    groups = session->Groups().Count();
    session.reset();  // freeing the groups is not part of the loading
    state.ResumeTiming();
  }
  state.counters["groups"] = groups;
}
// A fixed count: the session made around each run takes far longer than an empty loading,
// and the library would otherwise run it until the measured time alone adds up.
BENCHMARK(LoadAllGroups)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
