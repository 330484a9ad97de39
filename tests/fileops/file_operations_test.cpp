#include "mods/file_operations.h"

#include <gtest/gtest.h>

#include "tests/fileops/fileops_test_support.h"

namespace strohvik::fileops {
namespace {

using FileOperationsTest = FileOpsTest;

TEST_F(FileOperationsTest, InstallReplacesAnOlderCopyThroughAVerifiedTemporary) {
  for (const std::string mods : {"mods\\", "mods"}) {
    Write("downloads/tractor.zip", "new archive");
    Write("mods/tractor.zip", "old");
    const auto outcome = InstallLoadedMod(Sys("downloads\\tractor.zip"), Sys(mods));
    EXPECT_EQ(Read("mods/tractor.zip"), "new archive") << mods;
    EXPECT_EQ(Listing("mods"), std::vector<std::string>{"tractor.zip"}) << "no temporary left behind";
    EXPECT_EQ(outcome.traceLines, std::vector<std::string>{Sys("mods\\tractor.zip")});
    EXPECT_EQ(outcome.windowToHide, "ChildWindow4_c5");
    EXPECT_EQ(outcome.status, "") << "success leaves the status line alone";
    EXPECT_FALSE(outcome.resetDisplay);
  }
}

TEST_F(FileOperationsTest, InstallOfAModLoadedFromTheModsFolderIsSkippedUntouched) {
  Write("mods/tractor.zip", "the only copy");
  for (const std::string& modPath : {Sys("mods\\tractor.zip"), Sys("mods\\.\\tractor.zip")}) {
    const auto outcome = InstallLoadedMod(modPath, Sys("mods\\"));
    EXPECT_EQ(Read("mods/tractor.zip"), "the only copy");
    EXPECT_NE(outcome.status.find("bereits im Mods Ordner"), std::string::npos) << outcome.status;
  }
  EXPECT_EQ(Listing("mods"), std::vector<std::string>{"tractor.zip"});
}

TEST_F(FileOperationsTest, FailedInstallKeepsEverythingAndSaysSo) {
  Write("downloads/tractor.zip", "archive");
  auto outcome = InstallLoadedMod(Sys("downloads\\tractor.zip"), Sys("missing\\mods\\"));
  EXPECT_EQ(outcome.status.rfind("Fehler: Installieren nach", 0), 0u) << outcome.status;
  EXPECT_FALSE(Exists("missing"));
  EXPECT_EQ(Read("downloads/tractor.zip"), "archive");

  outcome = InstallLoadedMod(Sys("downloads\\gone.zip"), Sys("downloads\\"));
  EXPECT_NE(outcome.status.find("nicht gefunden"), std::string::npos) << outcome.status;

  // The copy cannot be written beside the target: the installed older copy stays whole.
  Write("mods/tractor.zip", "older copy");
  std::filesystem::create_directories(Host("mods/tractor.zip.~copy"));
  outcome = InstallLoadedMod(Sys("downloads\\tractor.zip"), Sys("mods\\"));
  EXPECT_EQ(outcome.status.rfind("Fehler: Installieren nach", 0), 0u) << outcome.status;
  EXPECT_EQ(Read("mods/tractor.zip"), "older copy");
}

TEST_F(FileOperationsTest, UnsetFoldersAreRefusedBeforeAnythingIsCopied) {
  Write("downloads/tractor.zip", "archive");
  for (const std::string unset : {"", "0", "0\\", "\\", "/"}) {
    const auto install = InstallLoadedMod(Sys("downloads\\tractor.zip"), unset);
    EXPECT_NE(install.status.find("Kein Mods Ordner"), std::string::npos) << unset;
    EXPECT_TRUE(install.traceLines.empty());

    BackupRequest request{Sys("downloads\\tractor.zip"), Sys("downloads\\"), "tractor.zip", "0\\A\\X\\", unset, "JA"};
    const auto backup = BackupIntoCategory(request);
    EXPECT_NE(backup.status.find("Kein Backup Ordner"), std::string::npos) << unset;
    EXPECT_FALSE(backup.resetDisplay);
  }
  EXPECT_EQ(Read("downloads/tractor.zip"), "archive");
  EXPECT_EQ(Listing(""), (std::vector<std::string>{"Data_Temp", "LS_2011_Data_Temp", "Tools", "downloads"}));
}

TEST_F(FileOperationsTest, DeleteRemovesOnlyTheLoadedRegularFile) {
  Write("mods/tractor.zip", "archive");
  Write("mods/other.zip", "another mod");
  auto outcome = DeleteLoadedMod(Sys("mods\\tractor.zip"));
  EXPECT_EQ(Listing("mods"), std::vector<std::string>{"other.zip"});
  EXPECT_TRUE(outcome.refreshFolderTree);
  EXPECT_TRUE(outcome.resetDisplay);
  EXPECT_EQ(outcome.status, "Keine Fehler.");
  EXPECT_EQ(outcome.windowToHide, "ChildWindow4");

  // A mod path that has gone meanwhile runs through as if deleted.
  outcome = DeleteLoadedMod(Sys("mods\\tractor.zip"));
  EXPECT_TRUE(outcome.resetDisplay);

  std::filesystem::create_directories(Host("mods/folder.zip"));
  Write("mods/folder.zip/inside.txt", "kept");
  outcome = DeleteLoadedMod(Sys("mods\\folder.zip"));
  EXPECT_EQ(Read("mods/folder.zip/inside.txt"), "kept");
  EXPECT_FALSE(outcome.resetDisplay);
  EXPECT_EQ(outcome.status.rfind("Fehler:", 0), 0u) << outcome.status;
}

TEST_F(FileOperationsTest, ConfirmationWindowsShowNamesFoldersAndThePicture) {
  Write("LS_2011_Data_Temp/store.png", "picture");
  const std::string modPath = "C:\\Spiele/mods\\tractor.zip";

  const auto byButton = ShowDeleteWindow(true, folders_, modPath, "pictures/store.png");
  EXPECT_EQ(byButton.fileName, "tractor.zip");
  EXPECT_EQ(byButton.folder, "C:\\Spiele\\mods\\");
  EXPECT_EQ(byButton.storePicture, Sys("LS_2011_Data_Temp\\store.png"));

  const auto byMenu = ShowDeleteWindow(false, folders_, modPath, "pictures/store.png");
  EXPECT_EQ(byMenu.folder, "C:/Spiele/mods\\");
  EXPECT_FALSE(byMenu.storePicture.has_value()) << "the menu form leaves the picture as it was";

  EXPECT_EQ(ShowInstallWindow(true, folders_, modPath, "D:\\mods\\", "0").folder, "D:\\mods\\");
  EXPECT_EQ(ShowInstallWindow(false, folders_, modPath, "D:\\mods\\", "0").folder, "D:\\mods\\\\");
  EXPECT_EQ(ShowInstallWindow(true, folders_, modPath, "D:\\mods\\", "0").storePicture, "");

  const auto backup = ShowBackupWindow(folders_, modPath, "Traktor", "missing.png");
  EXPECT_EQ(backup.title, "Traktor");
  EXPECT_EQ(backup.fileName, "tractor.zip");
  EXPECT_EQ(backup.storePicture, "") << "a missing copy shows no picture";
}

}  // namespace
}  // namespace strohvik::fileops
