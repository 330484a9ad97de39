// The batch inspector stopped by SIGINT or SIGTERM in the middle of a run: it keeps the
// records it had read, leaves nothing in its temporary folder and ends by the signal.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/tools/inspect_support.h"

namespace strohvik {
namespace {

namespace fs = std::filesystem;

// Until the inspector has written the first records.
bool WaitForOutput(const fs::path& output) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::error_code error;
  while (fs::file_size(output, error) == 0 || error) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// The report's opening and count records, as an uninterrupted run writes them.
std::string ReportStart(const std::string& record, size_t count) {
  std::string report = "[";
  for (size_t index = 0; index < count; ++index) report += (index == 0 ? "\n  " : ",\n  ") + record;
  return report;
}

class InspectStop : public InspectTest, public testing::WithParamInterface<int> {};

TEST_P(InspectStop, KeepsWholeRecordsLeavesNothingBehindAndEndsByTheSignal) {
  MakeMod("mods/tractor.zip", Tractor());
  const std::string whole = Inspect({"mods/tractor.zip"}).out;
  const std::string record = whole.substr(4, whole.size() - 7);  // between "[\n  " and "\n]\n"
  // One archive named often enough that the run is still going when the signal comes.
  const pid_t child = Start(std::vector<std::string>(20000, "mods/tractor.zip"));
  ASSERT_TRUE(WaitForOutput(root_ / "stdout.txt"));
  ASSERT_EQ(kill(child, GetParam()), 0);
  const InspectorRun run = Finish(child);
  EXPECT_EQ(run.signal, GetParam());
  EXPECT_TRUE(fs::is_empty(root_ / "scratch"));
  size_t records = 0;
  while (ReportStart(record, records).size() < run.out.size()) ++records;
  EXPECT_EQ(run.out, ReportStart(record, records)) << "no record cut off, no closing bracket";
  EXPECT_LT(records, 20000u);
}

INSTANTIATE_TEST_SUITE_P(Signals, InspectStop, testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) { return std::string(info.param == SIGINT ? "Interrupt" : "Terminate"); });

}  // namespace
}  // namespace strohvik
