// Listing against unzip -l, extracting one entry from a small and a large archive, and
// lookup by name as the list grows.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench/zip_bench_fixtures.h"
#include "zip/zip_file_list.h"
#include "zip/zip_reader.h"

namespace strohvik::zipbench {
namespace {

void BM_ListWithReader(benchmark::State& state) {
  const std::string archive = ManyEntriesArchive();
  for (auto _ : state) {
    ZipReader reader;
    reader.OpenZip(archive);
    size_t bytes = 0;
    for (int i = 0; i < reader.getFileCount(); ++i) bytes += reader.getFileInfo(i)->zipFileName.size();
    benchmark::DoNotOptimize(bytes);
    if (reader.getFileCount() != 10000) state.SkipWithError("wrong entry count");
  }
}
BENCHMARK(BM_ListWithReader)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListWithUnzipProcess(benchmark::State& state) {
  const std::string archive = ManyEntriesArchive();
  for (auto _ : state) {
    if (!RunQuietly("unzip", "-l", archive)) state.SkipWithError("unzip -l failed");
  }
}
BENCHMARK(BM_ListWithUnzipProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The archive is open; only the extraction of the one entry is timed.
void BM_ExtractOneEntry(benchmark::State& state) {
  const std::string archive = SizedArchive(static_cast<int>(state.range(0)));
  ZipReader reader;
  reader.OpenZip(archive);
  for (auto _ : state) {
    const auto stream = reader.ExtractFile("target.bin", 1, "");
    if (!stream || stream->Size() != 100 * 1024) state.SkipWithError("extraction failed");
  }
  state.SetLabel(std::to_string(state.range(0)) + " MB archive");
}
BENCHMARK(BM_ExtractOneEntry)->Arg(2)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_LookupByName(benchmark::State& state) {
  std::vector<std::string> names;
  for (int64_t i = 0; i < state.range(0); ++i) {
    names.push_back("folder" + std::to_string(i % 50) + "/file" + std::to_string(i) + ".xml");
  }
  // Appended in order, as a scanned list is sorted.
  std::sort(names.begin(), names.end());
  const auto list = TZipFileList::CreateEmpty(0, 0);
  for (const auto& name : names) {
    auto entry = SZipFileEntry::Create();
    entry->zipFileName = entry->simpleFileName = name;
    list->Append(std::move(entry));
  }
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(list->findFile(names[next]));
    next = (next + 7919) % names.size();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LookupByName)->RangeMultiplier(10)->Range(100, 100000)->Complexity(benchmark::oLogN);

}  // namespace
}  // namespace strohvik::zipbench
