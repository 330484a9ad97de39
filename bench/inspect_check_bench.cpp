// The mods folder check against what a player would script instead, each pair timed in
// turn within one iteration so that the machine's load falls on both alike:
// --check over 500 mods with DDS store pictures against a loop that only prints each
// modDesc.xml (target: 4x faster), and --verify over 100 mods of 20 MB against
// "unzip -tq" on each (target: 1.5x faster). "ratio" is the script's time over ours.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/mods_bench_fixtures.h"
#include "platform/process.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

// Mods of the same shape under titles of their own, as in a player's folder: no two are
// the same mod.
fs::path ModsFolder(const std::string& name, int count, modbench::ModShape shape) {
  const fs::path mods = modbench::FreshFolder(name) / "mods";
  fs::create_directories(mods);
  for (int index = 0; index < count; ++index) {
    shape.title = "Kipper " + std::to_string(index);
    modbench::WriteMod(mods / ("Kipper_" + std::to_string(index) + ".zip"), shape);
  }
  return mods;
}

double Seconds(const std::vector<std::string>& command, const fs::path& folder, benchmark::State& state) {
  const auto start = std::chrono::steady_clock::now();
  const ProcessResult result = RunProcess(command, folder.string());
  if (!result.started) state.SkipWithError(command.front().c_str());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Compare(benchmark::State& state, const fs::path& folder, const std::vector<std::string>& ours,
             const std::string& script) {
  double oursTotal = 0, scriptTotal = 0;
  std::vector<std::string> quiet = {"sh", "-c", "exec \"$0\" \"$@\" >/dev/null"};
  quiet.insert(quiet.end(), ours.begin(), ours.end());
  for (auto _ : state) {
    const double seconds = Seconds(quiet, folder, state);
    scriptTotal += Seconds({"sh", "-c", script + " >/dev/null 2>&1"}, folder, state);
    oursTotal += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["script_s"] = scriptTotal / static_cast<double>(state.iterations());
  state.counters["ratio"] = scriptTotal / oursTotal;
}

void CheckAgainstPrintingEachDescription(benchmark::State& state) {
  static const fs::path mods =
      ModsFolder("inspect_check_bench", 500, modbench::ModShape{"store.dds", modbench::StoreDds(), 20, 10 * 1024});
  Compare(state, mods, {INSPECT_PATH, "--check", "--format=json", "."},
          "for f in *.zip; do unzip -p \"$f\" modDesc.xml; done");
}
BENCHMARK(CheckAgainstPrintingEachDescription)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void VerifyAgainstUnzipTest(benchmark::State& state) {
  static const fs::path mods =
      ModsFolder("inspect_verify_bench", 100, modbench::ModShape{"store.dds", modbench::StoreDds(), 20, 1 << 20});
  Compare(state, mods, {INSPECT_PATH, "--verify", "--format=json", "."}, "for f in *.zip; do unzip -tq \"$f\"; done");
}
BENCHMARK(VerifyAgainstUnzipTest)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace strohvik
