#pragma once
// Reads the archives on several threads and hands the records on in the order of the list, on the
// calling thread, each as soon as it and those before it are ready. So the report is
// the same whatever the number of threads. A stop request ends the reading after the
// archives being read; the records handed on stay in order without a gap.

#include <functional>
#include <string>
#include <vector>

#include "tools/inspect/inspection_record.h"

namespace strohvik {

using ReadArchive = std::function<InspectionRecord(const std::string& archive)>;
using TakeRecord = std::function<void(InspectionRecord record, size_t done)>;

void ReadInOrder(const std::vector<std::string>& archives, int threads, const ReadArchive& read, const TakeRecord& take);

}  // namespace strohvik
