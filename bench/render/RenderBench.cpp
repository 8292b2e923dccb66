// One full redraw of the sky (prepare, calculate, draw) at 1920 × 1080 with every group the
// program loads, in the quick view (zoom 100) and the detailed view (zoom 2000), at a fixed
// moment and place; and one whole `velarion --export` run. The build folder is the program
// folder: its plug-ins are loaded, and its "Velarion.ini" when there is one (a fresh build
// has none, so the configuration is the default).
#include "Devices.h"
#include "LoadedSession.h"
#include "ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

void Redraw(benchmark::State& state) {
  const auto zoom = static_cast<int32_t>(state.range(0));
  const auto session = velbench::LoadedSession(kWidth, kHeight, zoom);
  velarion::sky::TSkyImage& image = session->Image();
  const auto device = velplatform::CreateImageDevice(kWidth, kHeight);
  for (auto _ : state) {
    image.MarkViewChanged();
    image.PaintSky(*device, true);
    benchmark::ClobberMemory();
  }
  state.counters["groups"] = session->Groups().Count();
}
BENCHMARK(Redraw)
    ->Arg(100)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void ExportRun(benchmark::State& state) {
  const std::string command = velplatform::ProgramFolder() +
                              "velarion --export /tmp/velarion-bench.png --size 1920x1080 "
                              "--time \"2026-12-10 22:00\" 2>/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("velarion --export failed");
      return;
    }
  }
}
BENCHMARK(ExportRun)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
