#pragma once
// One run of the inspector over the archives found, from the first record to the exit
// code: with or without the check, with progress and summary for a player at a terminal.

#include <string>

#include "tools/inspect/archive_list.h"

namespace strohvik {

struct InspectOptions {
  std::string format = "json";
  bool check = false;
  bool verify = false;  // implies check
  int threads = 1;      // archives read at the same time
};

inline constexpr int kAllRead = 0;       // with the check: no problem found
inline constexpr int kSomeUnread = 1;    // with the check: some problem found
inline constexpr int kUsageError = 2;

// Writes the report to standard output and returns the exit code.
int RunInspection(const InspectOptions& options, const ArchiveList& list);

}  // namespace strohvik
