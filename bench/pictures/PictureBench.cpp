// Saving the sky as a 4000 × 3000 picture of each kind and depth: the drawing, the encoding
// and the write through a temporary file, with every group the program loads, at a fixed
// moment and place. The build folder is the program folder (ProgramFolder.h).
#include "LoadedSession.h"
#include "PictureKinds.h"
#include "SavePicture.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>

namespace {

constexpr int32_t kWidth = 4000;
constexpr int32_t kHeight = 3000;

void SaveKind(benchmark::State& state) {
  const auto& row = velarion::ui::PictureKinds()[static_cast<std::size_t>(state.range(0))];
  const auto depth = static_cast<int32_t>(state.range(1));
  const auto session = velbench::LoadedSession(kWidth, kHeight, 100);
  velarion::sky::TSkyImage& image = session->Image();
  const std::string file =
      (std::filesystem::temp_directory_path() / ("velarion-bench-" + std::to_string(::getpid())))
          .string() +
      std::string(row.extension);
  const velarion::ui::TPictureRequest request{file, row.kind, depth, kWidth, kHeight, true};
  for (auto _ : state) {
    if (velarion::ui::SavePicture(image, request)) state.SkipWithError("the picture failed");
  }
  state.SetLabel(std::string(row.extension.substr(1)) + " " + std::to_string(depth) + " bit");
  std::filesystem::remove(file);
}

void EveryKindAndDepth(benchmark::internal::Benchmark* bench) {
  const auto kinds = velarion::ui::PictureKinds();
  for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
    for (const velarion::ui::TDepthChoice& depth : kinds[kind].depths)
      bench->Args({static_cast<int64_t>(kind), depth.bits});
  }
}

BENCHMARK(SaveKind)->Apply(EveryKindAndDepth)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
