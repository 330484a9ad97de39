#include "platform/process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/test_folder.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

struct SplitCase {
  const char* line;
  std::vector<std::string> words;
};

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  const SplitCase cases[] = {
      {R"(Tools\7z.exe u "C:\My Mods\a.zip" x)", {R"(Tools\7z.exe)", "u", R"(C:\My Mods\a.zip)", "x"}},
      {R"("C:\Program Files\LS\game.exe" -a)", {R"(C:\Program Files\LS\game.exe)", "-a"}},
      {R"(p a\\\"b)", {"p", R"(a\"b)"}},         // 2n+1 backslashes: n and a literal quote
      {R"(p "a\\" b)", {"p", R"(a\)", "b"}},      // 2n backslashes: n, and the quote closes
      {R"(p a\b\\c)", {"p", R"(a\b\\c)"}},        // backslashes without a quote stay
      {R"(p "a""b" c)", {"p", R"(a"b)", "c"}},    // "" inside a group is one quote
      {R"(p "" x)", {"p", "", "x"}},              // an empty group is an empty argument
      {"  p \t a   b  ", {"p", "a", "b"}},
      {R"(p a"b c"d)", {"p", "ab cd"}},
      {R"(C:\dir\p.exe\ x)", {R"(C:\dir\p.exe\)", "x"}},  // no escapes in the program word
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SplitCommandLine(c.line), c.words);
  }
}

// What Windows hands CreateProcessW must split into the words it was made of.
TEST(JoinCommandLine, SplitsBackIntoTheSameWords) {
  const std::vector<std::vector<std::string>> cases = {
      {R"(C:\Program Files\LS\game.exe)", "-a", "two words", ""},
      {"p", R"(a"b)", R"(a\"b)", R"(ends\)", R"(ends with space\ )", R"(\\server\share\)", R"(tab\there)"},
      {"p", R"(C:\My Mods\)", R"(")", R"(\\")", "a b\tc"},
      {R"(Tools\7z.exe)", "u", "-tzip", "Größe Ähre.zip"},
  };
  for (const auto& words : cases) {
    const std::string line = JoinCommandLine(words);
    SCOPED_TRACE(line);
    EXPECT_EQ(SplitCommandLine(line), words);
  }
  EXPECT_EQ(JoinCommandLine({"p", "plain", R"(a\b)"}), R"(p plain a\b)") << "only what needs quotes is quoted";
}

class RunProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "work dir");
    output_ = (folder_ / "echo.txt").string();
    setenv("STROHVIK_ECHO_OUT", output_.c_str(), 1);
  }
  std::vector<std::string> EchoedLines() const {
    std::ifstream in(output_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  TestFolder testFolder_{"process"};
  fs::path folder_ = testFolder_.Path();
  std::string output_;
};

TEST_F(RunProcessTest, ShellCharactersReachTheProgramAsPlainArguments) {
  const std::string line = std::string("\"") + ECHO_ARGV + R"--(" "a;rm -rf x" "$(touch y)" "\"x\" & y" `id` |)--";
  const ProcessResult result = RunCommandLine(line, (folder_ / "work dir").string());
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, 5);
  const std::vector<std::string> expected = {(folder_ / "work dir").string(), "a;rm -rf x", "$(touch y)",
                                             R"("x" & y)", "`id`", "|"};
  EXPECT_EQ(EchoedLines(), expected);
  EXPECT_FALSE(fs::exists(folder_ / "work dir" / "y"));
  EXPECT_FALSE(fs::exists("y"));
}

TEST_F(RunProcessTest, WorkingDirectoryGivenInBackslashForm) {
  std::string folder = (folder_ / "work dir").string();
  std::replace(folder.begin(), folder.end(), '/', '\\');
  ASSERT_TRUE(RunProcess({ECHO_ARGV}, folder).started);
  EXPECT_EQ(EchoedLines().at(0), (folder_ / "work dir").string());
}

TEST_F(RunProcessTest, MissingProgramOrFolderDoesNotStart) {
  EXPECT_FALSE(RunProcess({(folder_ / "no-such-program").string()}, "").started);
  EXPECT_FALSE(RunProcess({"no-such-program-on-path"}, "").started);
  EXPECT_FALSE(RunProcess({ECHO_ARGV}, (folder_ / "missing").string()).started);
  EXPECT_FALSE(RunProcess({}, "").started);
}

TEST_F(RunProcessTest, ReportsExitCodeAndLooksUpBareNamesInPath) {
  EXPECT_EQ(RunProcess({"false"}, "").exitCode, 1);
  EXPECT_EQ(RunProcess({"true"}, "").exitCode, 0);
}

}  // namespace
}  // namespace strohvik
