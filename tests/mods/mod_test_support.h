#pragma once
// Shared by the mod reading tests: a working directory of the test's own, fixture mods
// written with our zip writer, and a process runner that records what would be started.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "mods/loaded_mod.h"
#include "mods/mod_environment.h"
#include "platform/process.h"
#include "tests/test_folder.h"

namespace strohvik::modtest {

using Entries = std::vector<std::pair<std::string, std::string>>;  // stored name, bytes

// Records every start; hands it on to another runner, or starts nothing.
class RecordingRunner : public ProcessRunner {
 public:
  explicit RecordingRunner(std::shared_ptr<ProcessRunner> next = nullptr) : next_(std::move(next)) {}
  ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) override;

  std::vector<std::vector<std::string>> calls;
  std::vector<std::string> directories;

 private:
  std::shared_ptr<ProcessRunner> next_;
};

// A small picture in each format the window reads, and a DDS texture our converter reads.
std::string PngBytes();
std::string JpegBytes();
std::string DdsBytes();

// Writes a zip archive with our zip writer at the system path given.
void WriteArchive(const std::string& path, const Entries& entries);

// A modDesc.xml with the usual fields; extra goes inside the modDesc element.
std::string ModDescription(const std::string& storeItem, const std::string& extra = "");
// A vehicle file with the given capacity, fuel capacity and fruitTypes attribute.
std::string VehicleFile(const std::string& capacity, const std::string& fuel, const std::string& fruitTypes);

class ModTest : public testing::Test {
 protected:
  void SetUp() override;

  // The working directory's "\" form is what the system works with.
  std::string Sys(const std::string& relative) const;
  std::filesystem::path Host(const std::string& relative) const { return root_ / relative; }
  std::filesystem::path TempHost(const std::string& name) const;
  // Writes a zip archive below the test folder and returns its system path.
  std::string MakeArchive(const std::string& relative, const Entries& entries) const;
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  std::string ReadFile(const std::filesystem::path& path) const;
  // The names of the files in the temp folder.
  std::vector<std::string> TempFiles() const;
  // Every file below the test folder, relative to it.
  std::vector<std::string> FilesBelowRoot() const;

  // The real converter, started through a recording runner.
  void UseRealConverter();
  // A converter program that is not there.
  void UseMissingConverter();

  TestFolder folder_{"mods"};
  std::filesystem::path root_ = folder_.Path();
  std::shared_ptr<RecordingRunner> runner_;
  ModEnvironment environment_;
  LoadedMod mod_;
  std::vector<std::string> traceLines_;
};

}  // namespace strohvik::modtest
