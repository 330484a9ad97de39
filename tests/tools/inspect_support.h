#pragma once
// The batch inspector run as a program from a test: a folder of the test's own holding
// the mods, the inspector's temporary folder ("scratch", its TMPDIR) and its output.

#include <gtest/gtest.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/mods/mod_test_support.h"
#include "tests/test_folder.h"

namespace strohvik {

struct InspectorRun {
  int exitCode = -1;  // -1 when a signal ended the program
  int signal = 0;     // the signal that ended it, 0 when it exited
  std::string out;
  std::string err;
};

class InspectTest : public testing::Test {
 protected:
  void SetUp() override;

  // Writes a mod archive below the test folder and returns its host path.
  std::string MakeMod(const std::string& relative, const modtest::Entries& entries) const;

  // Runs the inspector in the test folder to its end; stderrFd, when given, replaces the
  // file that receives standard error.
  InspectorRun Inspect(const std::vector<std::string>& arguments, int stderrFd = -1) const;
  // Starts the inspector the same way and returns at once.
  pid_t Start(const std::vector<std::string>& arguments, int stderrFd = -1) const;
  // Waits for a started inspector to end and collects what it wrote.
  InspectorRun Finish(pid_t child, bool errorToFile = true) const;
  // Runs the inspector with standard error on a terminal; terminal receives what it showed there.
  InspectorRun InspectOnTerminal(const std::vector<std::string>& arguments, std::string& terminal) const;

  TestFolder folder_{"inspect"};
  std::filesystem::path root_ = folder_.Path();
};

// The first column of each record of a CSV report: the files in the order reported.
std::vector<std::string> FilesOfCsv(const std::string& csv);

// A tractor whose store picture is a DDS texture, with a vehicle file.
modtest::Entries Tractor();

struct ModFields {
  std::string title;
  std::string version = "1.0";  // empty: the description names none
  bool picture = true;          // a PNG store picture
  std::string author = "Hofmann";
};
// A mod without vehicle, made to the fields.
modtest::Entries Mod(const ModFields& fields);

}  // namespace strohvik
