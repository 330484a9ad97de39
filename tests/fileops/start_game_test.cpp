#include "mods/start_game.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/fileops/fileops_test_support.h"

namespace strohvik::fileops {
namespace {
namespace fs = std::filesystem;

class StartGameTest : public FileOpsTest {
 protected:
  void SetUp() override {
    FileOpsTest::SetUp();
    Write("game/FarmingSimulator2011.exe", "MZ");
    Write("bin/wine", "#!/bin/sh\n");
    fs::permissions(Host("bin/wine"), fs::perms::owner_all);
    searchPath_ = Host("nothing").string() + ":" + Host("bin").string();
  }
  std::string searchPath_;
};

TEST_F(StartGameTest, RunsTheGameThroughWineInTheWorkingDirectory) {
  for (const std::string& game : {Sys("game\\"), Sys("game")}) {
    RecordingRunner runner;
    const auto outcome = StartGame(game, folders_, runner, searchPath_);
    EXPECT_TRUE(outcome.endProgram);
    EXPECT_EQ(outcome.status, "");
    ASSERT_EQ(runner.calls.size(), 1u);
    EXPECT_EQ(runner.calls[0].first,
              (std::vector<std::string>{Host("bin/wine").string(), Host("game/FarmingSimulator2011.exe").string()}));
    EXPECT_EQ(runner.calls[0].second, folders_.workingDirectory);
  }
}

TEST_F(StartGameTest, AGameThatCannotStartIsReportedAndTheSystemStays) {
  struct Case {
    std::string gameFolder;
    std::string searchPath;
    ProcessResult result;
    std::string statusPart;
  };
  const std::vector<Case> cases = {
      {Sys("game\\"), Host("nothing").string(), {true, 0}, "wine ist nicht installiert"},
      {Sys("game\\"), "", {true, 0}, "wine ist nicht installiert"},
      {Sys("elsewhere\\"), searchPath_, {true, 0}, "nicht gefunden"},
      {"0", searchPath_, {true, 0}, "Kein Spiele Ordner"},
      {"", searchPath_, {true, 0}, "Kein Spiele Ordner"},
      {"\\", searchPath_, {true, 0}, "Kein Spiele Ordner"},
      {Sys("game\\"), searchPath_, {false, -1}, "wine konnte nicht gestartet werden"},
  };
  for (const Case& c : cases) {
    RecordingRunner runner(c.result);
    const auto outcome = StartGame(c.gameFolder, folders_, runner, c.searchPath);
    EXPECT_FALSE(outcome.endProgram) << c.gameFolder;
    EXPECT_NE(outcome.status.find(c.statusPart), std::string::npos) << c.gameFolder << ": " << outcome.status;
  }
}

TEST_F(StartGameTest, FindProgramTakesOnlyExecutableFiles) {
  Write("plain/wine", "not executable");
  fs::permissions(Host("plain/wine"), fs::perms::owner_read | fs::perms::owner_write);
  fs::create_directories(Host("folder/wine"));
  const std::string path = Host("plain").string() + ":" + Host("folder").string() + "::" + Host("bin").string();
  EXPECT_EQ(FindProgram("wine", path), Host("bin/wine").string());
  EXPECT_EQ(FindProgram("wine", Host("plain").string()), "") << "root may read it, but it is no program";
}

}  // namespace
}  // namespace strohvik::fileops
