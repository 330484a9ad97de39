// strohvik-inspect over a folder of 500 generated mods, each with a DXT1 store picture
// that the converter turns into PNG: the whole run, as a user starts it, must stay
// under 5 seconds. And over one mod whose store picture is larger than the window
// shows: refused from its header, the run must stay under 100 ms.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/mods_bench_fixtures.h"
#include "bench/zip_bench_fixtures.h"
#include "tests/tools/dds_fixture.h"

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

// A 16384 x 16384 DXT1 texture of one colour: 128 MiB of blocks, 131 KB deflated.
std::string OversizedStoreDds() {
  testing_dds::DdsFields fields;
  fields.width = fields.height = 16384;
  fields.pixelFormatFlags = 0x4;
  fields.fourCc = "DXT1";
  return testing_dds::DdsHeader(fields) + std::string(size_t{128} << 20, '\0');
}

const fs::path& OversizedPictureMod() {
  static const fs::path mod = [] {
    const fs::path path = modbench::FreshFolder("inspect_bench_oversized") / "mod.zip";
    modbench::WriteMod(path, modbench::ModShape{"store.dds", OversizedStoreDds(), 0, 0, 9});
    return path;
  }();
  return mod;
}

void InspectModWithOversizedStorePicture(benchmark::State& state) {
  const std::string mod = OversizedPictureMod().string();
  for (auto _ : state) {
    if (!zipbench::RunQuietly(INSPECT_PATH, "--format=json", mod)) state.SkipWithError("strohvik-inspect failed");
  }
}

BENCHMARK(InspectModWithOversizedStorePicture)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace strohvik
