#include "tools/inspect/parallel_reading.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "tools/inspect/stop_signals.h"

namespace strohvik {
namespace {

class OrderedResults {
 public:
  explicit OrderedResults(size_t count) : records_(count) {}

  void Put(size_t index, InspectionRecord record) {
    const std::lock_guard lock(mutex_);
    records_[index] = std::move(record);
    changed_.notify_all();
  }
  void WorkerDone() {
    const std::lock_guard lock(mutex_);
    ++workersDone_;
    changed_.notify_all();
  }
  // The record at index once it is there; none when every worker has ended without it.
  std::optional<InspectionRecord> Take(size_t index, int workers) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return records_[index].has_value() || workersDone_ == workers; });
    std::optional<InspectionRecord> record = std::move(records_[index]);
    records_[index].reset();
    return record;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::optional<InspectionRecord>> records_;
  int workersDone_ = 0;
};

void Work(const std::vector<std::string>& archives, std::atomic<size_t>& next, const ReadArchive& read,
          OrderedResults& results) {
  for (size_t index = next++; index < archives.size() && !StopRequested(); index = next++)
    results.Put(index, read(archives[index]));
  results.WorkerDone();
}

}  // namespace

void ReadInOrder(const std::vector<std::string>& archives, int threads, const ReadArchive& read, const TakeRecord& take) {
  const int workers = std::clamp<int>(threads, 1, static_cast<int>(std::max<size_t>(archives.size(), 1)));
  OrderedResults results(archives.size());
  std::atomic<size_t> next{0};
  std::vector<std::jthread> pool;
  for (int worker = 0; worker < workers; ++worker)
    pool.emplace_back([&] { Work(archives, next, read, results); });
  for (size_t index = 0; index < archives.size(); ++index) {
    std::optional<InspectionRecord> record = results.Take(index, workers);
    if (!record) break;
    take(std::move(*record), index + 1);
  }
}

}  // namespace strohvik
