// Lists a mods folder of 2,000 archives (and some other files that are left out), as
// the folder tree does before it fills its gadget. The target is under 200 ms.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "mods/folder_listing.h"
#include "platform/host_path.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

constexpr int kArchives = 2000;
constexpr int kOtherFiles = 200;

// The mods folder in the system's form, made once.
const std::string& ModsFolder() {
  static const std::string folder = [] {
    const fs::path mods = fs::temp_directory_path() / "strohvik_settings_bench" / "mods";
    fs::remove_all(mods);
    fs::create_directories(mods);
    for (int i = 0; i < kArchives; ++i) std::ofstream(mods / ("Mod_" + std::to_string(i) + ".zip")) << "PK";
    for (int i = 0; i < kOtherFiles; ++i) std::ofstream(mods / ("readme_" + std::to_string(i) + ".txt")) << "x";
    return SystemPath(mods.string()) + "\\";
  }();
  return folder;
}

void BM_ListModsFolder(benchmark::State& state) {
  const std::string& mods = ModsFolder();
  for (auto _ : state) {
    FolderListing listing = FillFolderTree(mods);
    if (listing.archiveNames.size() != kArchives) state.SkipWithError("wrong number of archives listed");
    benchmark::DoNotOptimize(listing);
  }
}
BENCHMARK(BM_ListModsFolder)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strohvik
