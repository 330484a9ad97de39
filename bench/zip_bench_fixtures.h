#pragma once
// Archives for the zip benchmarks, written once by our own writer into the build folder
// beside the benchmark program and reused by later runs.

#include <string>

namespace strohvik::zipbench {

// An archive of 10,000 small entries.
std::string ManyEntriesArchive();
// An archive of about megabytes MB: 100 KB entries of noise, one of them "target.bin",
// deflated; the others are stored to keep the writing quick.
std::string SizedArchive(int megabytes);
// Runs a program with its output discarded and waits for it; false when it failed.
bool RunQuietly(const std::string& program, const std::string& argument1, const std::string& argument2);

}  // namespace strohvik::zipbench
