// Backing the loaded mod up into a category folder, as a copy or a move, and what a
// backup that cannot be made leaves behind.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>

#include "mods/file_operations.h"
#include "tests/fileops/fileops_test_support.h"
#include "tests/platform/file_size_limit.h"

namespace strohvik::fileops {
namespace {

class BackupTest : public FileOpsTest {
 protected:
  BackupRequest Request(const std::string& flag) const {
    return {Sys("mods\\tractor.zip"), Sys("mods\\"), "tractor.zip", Sys("backup\\A\\X\\"), Sys("backup\\"), flag};
  }
};

TEST_F(BackupTest, PlainBackupCreatesTheCategoryFoldersAndKeepsTheMod) {
  Write("mods/tractor.zip", "archive");
  const auto outcome = BackupIntoCategory(Request("NEIN"));
  EXPECT_EQ(Read("backup/A/X/tractor.zip"), "archive");
  EXPECT_EQ(Read("mods/tractor.zip"), "archive");
  EXPECT_EQ(Listing("backup\\A\\X"), std::vector<std::string>{"tractor.zip"});
  EXPECT_EQ(outcome.traceLines, std::vector<std::string>{Sys("mods\\tractor.zip") + "<>" + Sys("backup\\A\\X\\tractor.zip")});
  EXPECT_EQ(outcome.windowToHide, "ChildWindow13");
  EXPECT_TRUE(outcome.refreshFolderTree);
  EXPECT_FALSE(outcome.resetDisplay);
  EXPECT_EQ(outcome.status, "");
}

TEST_F(BackupTest, BackupAndDeleteMovesAfterTheCopyIsVerified) {
  Write("mods/tractor.zip", "archive");
  Write("backup/A/X/tractor.zip", "an older backup");
  const auto outcome = BackupIntoCategory(Request("JA"));
  EXPECT_EQ(Read("backup/A/X/tractor.zip"), "archive");
  EXPECT_FALSE(Exists("mods/tractor.zip"));
  EXPECT_TRUE(outcome.resetDisplay);
  EXPECT_EQ(outcome.status, "");
}

// A backup that cannot be made: the category folders it made are gone again, those that
// were there before stay.
struct FailedBackup {
  const char* name;
  std::string category;  // below the working folder
  std::function<void(FileOpsTest&)> before;
  uint64_t writeLimit;  // bytes a file may grow to during the backup; 0: no limit
};
void PrintTo(const FailedBackup& backup, std::ostream* out) { *out << backup.name; }

void MakeBackupFolder(FileOpsTest& t) { std::filesystem::create_directories(t.Host("backup")); }

const FailedBackup kFailedBackups[] = {
    {"CategoryBelowAPlainFile", "backup\\plain-file\\A\\X\\", [](FileOpsTest& t) { t.Write("backup/plain-file", ""); }, 0},
    {"NameTooLongAfterAFolderWasMade", "backup\\A\\" + std::string(300, 'x') + "\\", MakeBackupFolder, 0},
    {"WriteFailsInANewBackupFolder", "backup\\A\\X\\", [](FileOpsTest&) {}, 8},
    {"WriteFailsBelowAnEmptyFolderThatWasThere", "backup\\A\\X\\",
     [](FileOpsTest& t) { std::filesystem::create_directories(t.Host("backup/A")); }, 8},
};

// Every folder and file below the working folder.
std::set<std::string> Tree(const std::filesystem::path& root) {
  std::set<std::string> names;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    names.insert(item.path().lexically_relative(root).string());
  }
  return names;
}

class FailedBackups : public BackupTest, public testing::WithParamInterface<FailedBackup> {};

TEST_P(FailedBackups, LeaveTheTreeAsItWasAndKeepTheMod) {
  Write("mods/tractor.zip", "the archive's bytes");
  GetParam().before(*this);
  const auto before = Tree(root_);
  BackupRequest request = Request("JA");
  request.categoryFolder = Sys(GetParam().category);
  std::optional<ScopedFileSizeLimit> limit;
  if (GetParam().writeLimit > 0) limit.emplace(GetParam().writeLimit);
  const auto outcome = BackupIntoCategory(request);
  limit.reset();
  EXPECT_EQ(Tree(root_), before);
  EXPECT_EQ(Read("mods/tractor.zip"), "the archive's bytes");
  EXPECT_FALSE(outcome.resetDisplay);
  EXPECT_EQ(outcome.status.rfind("Fehler:", 0), 0u) << outcome.status;
}

INSTANTIATE_TEST_SUITE_P(Table, FailedBackups, testing::ValuesIn(kFailedBackups),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupTest, BackupIntoTheCategoryTheModWasLoadedFromIsSkipped) {
  Write("backup/A/X/tractor.zip", "the only copy");
  BackupRequest request = Request("JA");
  request.modPath = Sys("backup\\A\\X\\tractor.zip");
  request.treeFolder = Sys("backup\\A\\X\\");
  const auto outcome = BackupIntoCategory(request);
  EXPECT_EQ(Read("backup/A/X/tractor.zip"), "the only copy");
  EXPECT_FALSE(outcome.resetDisplay);
  EXPECT_NE(outcome.status.find("bereits in dieser Kategorie"), std::string::npos) << outcome.status;
}

TEST_F(BackupTest, OnlyTheLoadedArchiveIsDeletedAfterABackup) {
  Write("mods/tractor.zip", "the loaded mod");
  Write("elsewhere/tractor.zip", "a namesake in the listed folder");
  BackupRequest request = Request("JA");
  request.treeFolder = Sys("elsewhere\\");
  const auto outcome = BackupIntoCategory(request);
  EXPECT_EQ(Read("backup/A/X/tractor.zip"), "a namesake in the listed folder");
  EXPECT_EQ(Read("elsewhere/tractor.zip"), "a namesake in the listed folder");
  EXPECT_EQ(Read("mods/tractor.zip"), "the loaded mod");
  EXPECT_FALSE(outcome.resetDisplay);
}

TEST_F(BackupTest, NodeWithoutCategoryFolderLeavesTheWindowOpen) {
  Write("mods/tractor.zip", "archive");
  BackupRequest request = Request("JA");
  request.categoryFolder.reset();
  const auto outcome = BackupIntoCategory(request);
  EXPECT_EQ(outcome.windowToHide, "");
  EXPECT_TRUE(outcome.traceLines.empty());
  EXPECT_EQ(Read("mods/tractor.zip"), "archive");
}

}  // namespace
}  // namespace strohvik::fileops
