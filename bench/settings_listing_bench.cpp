// Lists a mods folder of 2,000 archives (and some other files that are left out), as
// the folder tree does before it fills its gadget, and then with the gadget filled. The
// target is under 200 ms.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/commands.h"
#include "app/shell.h"
#include "mods/folder_listing.h"
#include "platform/host_path.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

constexpr int kArchives = 2000;
constexpr int kOtherFiles = 200;

// The mods folder in the system's form, made once.
fs::path BenchFolder() { return fs::temp_directory_path() / "strohvik_settings_bench"; }

const std::string& ModsFolder() {
  static const std::string folder = [] {
    const fs::path mods = BenchFolder() / "mods";
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

// The whole command: the listing put into TreeView3 of the real main window, replacing
// the 2,000 nodes of the previous round.
void BM_FillFolderTreeGadget(benchmark::State& state) {
  const std::string& mods = ModsFolder();
  fs::current_path(BenchFolder());  // the shell makes its work folders here
  TGui gui(std::make_shared<TScriptedSystemDriver>());
  TShell shell(gui);
  for (auto _ : state) {
    FillFolderTree(shell.App(), mods);
    gui.ProcessPendingEvents();
  }
  if (gui.Get("TreeView3").ChildNodes(nullptr).size() != kArchives) state.SkipWithError("wrong number of nodes");
}
BENCHMARK(BM_FillFolderTreeGadget)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strohvik
