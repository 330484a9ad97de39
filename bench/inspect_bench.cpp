// strohvik-inspect over a folder of 500 generated mods, each with a DXT1 store picture
// that the converter turns into PNG: the whole run, as a user starts it, must stay
// under 5 seconds.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/mods_bench_fixtures.h"
#include "bench/zip_bench_fixtures.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

constexpr int kMods = 500;

const fs::path& ModsFolder() {
  static const fs::path folder = [] {
    const fs::path mods = modbench::FreshFolder("inspect_bench") / "mods";
    fs::create_directories(mods);
    const modbench::ModShape shape{"store.dds", modbench::StoreDds(), 20, 10 * 1024};
    for (int index = 0; index < kMods; ++index) modbench::WriteMod(mods / ("mod" + std::to_string(index) + ".zip"), shape);
    return mods;
  }();
  return folder;
}

void InspectFolderOf500Mods(benchmark::State& state) {
  const std::string folder = ModsFolder().string();
  for (auto _ : state) {
    if (!zipbench::RunQuietly(INSPECT_PATH, "--format=json", folder)) state.SkipWithError("strohvik-inspect failed");
  }
}

BENCHMARK(InspectFolderOf500Mods)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace strohvik
