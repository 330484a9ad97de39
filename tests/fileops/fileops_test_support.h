#pragma once
// Shared by the file operation tests: a fresh working folder per test with its temp,
// work and tools folders, mod archives written by our zip writer, and a process runner
// that records what would be started.

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "mods/working_folders.h"
#include "platform/process.h"

namespace strohvik::fileops {

using Entries = std::map<std::string, std::string>;  // stored name -> content

// Public, so that the setup steps of table cases can reach the helpers.
class FileOpsTest : public testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  // The system's "\" form of a path below the working folder.
  std::string Sys(const std::string& relative) const;
  std::filesystem::path Host(const std::string& relative) const { return root_ / relative; }
  void Write(const std::string& relative, const std::string& content) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const { return std::filesystem::exists(Host(relative)); }
  // The names directly in a folder below the working folder.
  std::vector<std::string> Listing(const std::string& relative) const;

  // A zip archive of the entries, each stamped with the given time.
  void MakeMod(const std::string& relative, const Entries& entries, std::time_t entryTime) const;
  // Every entry of the archive with its content, read through our own reader.
  Entries ReadMod(const std::string& relative) const;
  // Tools\7z.exe as a link to the system's 7-Zip.
  void LinkArchiver() const;
  // A text field of the one record strohvik-inspect --format json prints for the
  // archive: what loading it would show; "" when the field is missing or not a text.
  std::string Inspected(const std::string& relative, const std::string& field) const;

  std::filesystem::path root_;
  WorkingFolders folders_;
};

class RecordingRunner : public ProcessRunner {
 public:
  explicit RecordingRunner(ProcessResult result = {true, 0}) : result_(result) {}
  ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) override {
    calls.emplace_back(arguments, workingDirectory);
    return result_;
  }
  std::vector<std::pair<std::vector<std::string>, std::string>> calls;

 private:
  ProcessResult result_;
};

}  // namespace strohvik::fileops
