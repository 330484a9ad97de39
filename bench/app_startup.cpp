#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/gui/gui.h"
#include "app/shell.h"

namespace strohvik {
namespace {

// Builds every window and runs the loop until the first pass has shown the main window.
void StartToMainWindow() {
  TGui gui(std::make_shared<TScriptedSystemDriver>());
  TShell shell(gui);
  shell.Start();
  while (!gui.Get("Window1").Shown()) shell.Handle(gui.WaitEvent());
  benchmark::DoNotOptimize(&gui);
}

class InFreshFolder {
 public:
  InFreshFolder() : previous_(std::filesystem::current_path()) {
    char pattern[] = "/tmp/strohvik-bench-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::current_path(folder_);
  }
  ~InFreshFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

void BM_ColdStartToMainWindow(benchmark::State& state) {
  InFreshFolder folder;
  for (auto _ : state) StartToMainWindow();
}
// Must stay the first benchmark: only the first start in a process pays the toolkit's.
BENCHMARK(BM_ColdStartToMainWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_WarmStartToMainWindow(benchmark::State& state) {
  InFreshFolder folder;
  for (auto _ : state) StartToMainWindow();
}
BENCHMARK(BM_WarmStartToMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strohvik
