#pragma once
// A folder of the running test's own below the test temporary folder (TEST_TMPDIR, else
// /tmp): emptied when the test starts and removed with everything in it when the test
// ends, so that a run leaves nothing behind. The name holds the prefix, the suite and
// the test, because ctest runs the tests of one program in parallel processes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace strohvik {

class TestFolder {
 public:
  explicit TestFolder(const std::string& prefix)
      : path_(std::filesystem::absolute(std::filesystem::path(testing::TempDir()) / NameFor(prefix))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  static std::string NameFor(const std::string& prefix) {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = prefix + "_" + test->test_suite_name() + "_" + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
  }

  std::filesystem::path path_;
};

}  // namespace strohvik
