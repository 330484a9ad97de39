#pragma once
// A folder of its own per test, standing in for the working directory and the game's
// folders, addressed in the system's "\" form.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_folder.h"

namespace strohvik {

class SettingsTest : public testing::Test {
 protected:
  void SetUp() override;

  // The system's form of a path below the test folder ("" gives the folder itself).
  std::string Sys(const std::string& relative) const;
  // Creates the folder (and its parents) and returns its system path.
  std::string MakeFolder(const std::string& relative) const;
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  std::string ReadFile(const std::string& relative) const;
  bool Exists(const std::string& relative) const;

  TestFolder folder_{"settings"};
  std::filesystem::path root_ = folder_.Path();
  // The working directory of the system under test: "work" below the test folder.
  std::string workingDirectory_;
};

}  // namespace strohvik
