// A 200 MB mod of incompressible stored entries, repacked after a price edit: once by
// the whole save (line edit, entry names, 7-Zip, read-back) and once by the bare
// "7z u" call with the edited file. Each run starts from a fresh copy of the mod.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/mods_bench_fixtures.h"
#include "mods/repack_save.h"
#include "platform/host_path.h"
#include "platform/process.h"
#include "zip/zip_writer.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

constexpr int kBigEntries = 4;
constexpr size_t kBigEntryBytes = 50u << 20;
const char* kDescription = "<modDesc>\n\t<price>1000</price>\n</modDesc>\n";

void WriteHostFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// The working folder with Tools\7z.exe, the temp copy of the description and the
// pristine mod, made once for all runs.
class BigMod {
 public:
  BigMod() : root_(fs::temp_directory_path() / "fileops_repack_bench") {
    fs::remove_all(root_);
    fs::create_directories(root_ / "Tools");
    fs::create_directories(root_ / "Data_Temp");
    fs::create_symlink("/usr/bin/7z", root_ / "Tools/7z.exe");
    WriteHostFile(root_ / "LS_2011_Data_Temp/modDesc.xml", kDescription);
    WriteHostFile(root_ / "Data_Temp/modDesc.xml", kDescription);  // for the first bare call
    folders_ = WorkingFolders{SystemPath(root_.string())};

    auto writer = ZipWriter::Create();
    writer->OpenZip(Sys("pristine.zip"), 0);
    writer->SetCompressionLevel(0);
    WriteHostFile(root_ / "staging/modDesc.xml", kDescription);
    writer->AddFileToDest(Sys("staging\\modDesc.xml"), "modDesc.xml", "");
    for (int i = 0; i < kBigEntries; ++i) {
      WriteHostFile(root_ / "staging/big", modbench::Filler(kBigEntryBytes, static_cast<uint32_t>(i + 1)));
      writer->AddFileToDest(Sys("staging\\big"), "textures/big" + std::to_string(i) + ".dds", "");
    }
    writer->CloseZip("");
    fs::remove_all(root_ / "staging");
  }
  ~BigMod() { fs::remove_all(root_); }

  std::string Sys(const std::string& relative) const { return folders_.workingDirectory + "\\" + relative; }
  std::string Host(const std::string& relative) const { return (root_ / relative).string(); }
  // Written out before the timing starts: the save syncs its small edited file, which
  // would otherwise wait for the 200 MB copy just made, as no user's archive would.
  void FreshCopy() const {
    fs::copy_file(root_ / "pristine.zip", root_ / "mod.zip", fs::copy_options::overwrite_existing);
    ::sync();
  }
  const WorkingFolders& folders() const { return folders_; }

 private:
  fs::path root_;
  WorkingFolders folders_;
};

BigMod& Mod() {
  static BigMod mod;
  return mod;
}

template <typename Work>
double Seconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The two in turn within each iteration, so that whatever else loads the machine falls
// on both alike. The time reported is the save's; "ratio" is save time over bare time.
void BM_SaveAgainstBare7zUpdate(benchmark::State& state) {
  BigMod& mod = Mod();
  const LoadedMod loaded{mod.Sys("mod.zip"), "JA", "0", "0"};
  const std::vector<std::string> bare = {"7z", "u", "-tzip", mod.Host("mod.zip"), mod.Host("Data_Temp/modDesc.xml")};
  double bareSeconds = 0;
  double saveSeconds = 0;
  int price = 2000;
  for (auto _ : state) {
    mod.FreshCopy();
    bareSeconds += Seconds([&] {
      if (RunProcess(bare, "").exitCode != 0) state.SkipWithError("7z failed");
    });
    mod.FreshCopy();
    const double save = Seconds([&] {
      const SaveOutcome outcome = SaveModChanges(mod.folders(), loaded, std::to_string(price++), "", *SystemProcessRunner());
      if (outcome.status != "Keine Fehler.") state.SkipWithError(outcome.status.c_str());
    });
    saveSeconds += save;
    state.SetIterationTime(save);
  }
  state.counters["bare_ms"] = 1000 * bareSeconds / static_cast<double>(state.iterations());
  state.counters["ratio"] = saveSeconds / bareSeconds;
}

BENCHMARK(BM_SaveAgainstBare7zUpdate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace strohvik
