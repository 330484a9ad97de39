// Loading a mod (description, store picture, vehicle file, each copied out of the
// archive) from a 200 MB archive of 5,000 entries and from a 2 MB archive of 20: only
// single entries are read, so the big archive must cost at most twice the small one.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/mods_bench_fixtures.h"
#include "mods/folder_clearing.h"
#include "mods/mod_reading.h"
#include "platform/host_path.h"
#include "platform/process.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

constexpr size_t kMegabyte = 1u << 20;

struct Archives {
  fs::path root = modbench::FreshFolder("mods_load_bench");
  std::string big;
  std::string small;
};

const Archives& Fixture() {
  static const Archives archives = [] {
    Archives made;
    modbench::MakeWorkingFolders(made.root / "work");
    const std::string png = modbench::StorePng();
    modbench::WriteMod(made.root / "big.zip", {"store.png", png, 4997, 200 * kMegabyte / 4997});
    modbench::WriteMod(made.root / "small.zip", {"store.png", png, 17, 2 * kMegabyte / 17});
    made.big = SystemPath((made.root / "big.zip").string());
    made.small = SystemPath((made.root / "small.zip").string());
    return made;
  }();
  return archives;
}

void LoadMod(benchmark::State& state, const std::string& (*archive)()) {
  const std::string& path = archive();
  // No converter: the store picture is a PNG.
  const ModEnvironment environment{WorkingFolders{SystemPath((Fixture().root / "work").string())}, "",
                                   SystemProcessRunner(), nullptr, nullptr, nullptr};
  for (auto _ : state) {
    ClearTempFolder(environment.folders);
    ClearWorkFolder(environment.folders);
    LoadedMod mod;
    const ModPage page = ReadMod(environment, mod, path);
    if (page.fillTypes->size() != 6) state.SkipWithError("the mod did not load");
  }
}

const std::string& Big() { return Fixture().big; }
const std::string& Small() { return Fixture().small; }

BENCHMARK_CAPTURE(LoadMod, archive_200mb_5000_entries, Big)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadMod, archive_2mb_20_entries, Small)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strohvik
