// Install, delete, the two backups, saving and the game start, through the real windows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fake_search_path.h"
#include "platform/stream.h"
#include "shell_fixture.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

constexpr const char* kCategories =
    "<Kategorien>\r\n"
    "\t<Kategorien Kategorien=\"1\" />\r\n"
    "\t<1 Name=\"Traktoren\" num=\"1\" 1=\"Fendt\" />\r\n"
    "</Kategorien>\r\n";

// Public, so that the setup steps of table cases can reach the helpers.
class FileCommands : public ShellFixture {
 public:
  using ShellFixture::App;
  using ShellFixture::folder_;
  using ShellFixture::Write;

  void SetUp() override {
    ShellFixture::SetUp();
    shell_->HandlePending();  // the first pass reads the settings file
    for (const char* folder : {"mods", "Backup", "Spiel"}) fs::create_directories(folder_ / folder);
    App().state.settings.modsFolder = Sys("mods") + "\\";
    App().state.settings.backupFolder = Sys("Backup") + "\\";
    App().state.settings.gameFolder = Sys("Spiel") + "\\";
    Write("Kategorien.xml", kCategories);
    std::string picture;
    ASSERT_TRUE(ReadStream("incbin::Images\\Folder.png")->ReadAll(picture, 1 << 20));
    Write("LS_2011_Data_Temp/store.png", picture);
  }

  bool Exists(const std::string& relative) const { return fs::exists(folder_ / relative); }

  // The mod as a load from the folder tree leaves it: its folder listed, its store
  // picture copied into the temp folder.
  void Load(const std::string& relative, const std::string& vehicleFileName = "0") {
    const fs::path archive = folder_ / relative;
    App().state.mod = LoadedMod{Sys(relative), "JA", "pictures/store.png", vehicleFileName};
    App().state.treeFolder = Sys(archive.parent_path().lexically_relative(folder_).string()) + "\\";
    G("TextField2").SetText("Traktor");
    G("TextField7").SetText(archive.filename().string());
    G("Label41").SetText("Keine Fehler.");
    shell_->AfterEvent(nullptr);
  }
  bool Loaded() { return !App().state.mod.modPath.empty(); }

  // A double click on a node of the backup category window's tree.
  void ChooseCategoryNode(const std::string& text) {
    TGadget& tree = G("TreeView4");
    TTreeNode* heading = tree.InsertNode(nullptr, "Traktoren");
    TTreeNode* node = text == "Traktoren" ? heading : tree.InsertNode(heading, text);
    tree.SelectNode(node);
    Send(kEventGadgetAction, "TreeView4");
  }

  bool HasPicture(const std::string& panel) { return G(panel).Pixmap() != nullptr; }
  std::string Status() { return G("Label41").GetText(); }
};

TEST_F(FileCommands, InstallCopiesTheModIntoTheModsFolderAndKeepsItLoaded) {
  Write("downloads/tractor.zip", "archive");
  Write("mods/tractor.zip", "an older copy");
  Load("downloads/tractor.zip");
  Press("SmartButton27");
  EXPECT_TRUE(G("ChildWindow4_c5").Shown());
  EXPECT_EQ(G("TextField9_c10").GetText(), "tractor.zip");
  EXPECT_EQ(G("TextField16").GetText(), Sys("mods") + "\\");
  EXPECT_TRUE(HasPicture("PlainPanel15_c16"));

  testing::internal::CaptureStdout();
  Press("SmartButton43");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), Sys("mods\\tractor.zip") + "\n");
  EXPECT_EQ(Read("mods/tractor.zip"), "archive");
  EXPECT_EQ(Read("downloads/tractor.zip"), "archive");
  EXPECT_FALSE(G("ChildWindow4_c5").Shown());
  EXPECT_TRUE(G("Window1").Enabled());
  EXPECT_TRUE(Loaded());
  EXPECT_EQ(Status(), "Keine Fehler.");
}

TEST_F(FileCommands, InstallOfAModFromTheModsFolderOrWithoutModsFolderChangesNothingAndSaysWhy) {
  Write("mods/tractor.zip", "the only copy");
  Load("mods/tractor.zip");
  Send(kEventMenuAction, "Window1#ModInstallieren");
  Press("SmartButton43");
  EXPECT_EQ(Read("mods/tractor.zip"), "the only copy");
  EXPECT_NE(Status().find("bereits im Mods Ordner"), std::string::npos) << Status();
  EXPECT_FALSE(G("ChildWindow4_c5").Shown());

  App().state.settings.modsFolder = "";
  Press("SmartButton27");
  Press("SmartButton43");
  EXPECT_NE(Status().find("Kein Mods Ordner"), std::string::npos) << Status();
  EXPECT_EQ(Read("mods/tractor.zip"), "the only copy");
}

TEST_F(FileCommands, DeleteRemovesTheLoadedArchiveAndEmptiesThePage) {
  Write("mods/tractor.zip", "archive");
  Write("mods/other.zip", "another mod");
  Load("mods/tractor.zip");
  G("TextField5").SetText("1000");
  Press("SmartButton28");
  EXPECT_TRUE(G("ChildWindow4").Shown());
  EXPECT_EQ(G("TextField9").GetText(), "tractor.zip");
  EXPECT_EQ(G("TextField15").GetText(), Sys("mods") + "\\");
  EXPECT_TRUE(HasPicture("PlainPanel15"));

  Press("SmartButton37");
  EXPECT_FALSE(Exists("mods/tractor.zip"));
  EXPECT_EQ(Read("mods/other.zip"), "another mod");
  EXPECT_FALSE(G("ChildWindow4").Shown());
  EXPECT_TRUE(G("Window1").Enabled());
  EXPECT_FALSE(Loaded());
  EXPECT_EQ(G("TextField5").GetText(), "");
  EXPECT_FALSE(G("SmartButton28").Enabled()) << "no mod left to delete";
  EXPECT_EQ(Status(), "Keine Fehler.");
}

TEST_F(FileCommands, DeleteLeavesAFolderOfTheModsNameAlone) {
  Write("mods/folder.zip/inside.txt", "kept");
  Load("mods/folder.zip");
  Send(kEventMenuAction, "Window1#ModLoeschen");
  Press("SmartButton37");
  EXPECT_EQ(Read("mods/folder.zip/inside.txt"), "kept");
  EXPECT_TRUE(Loaded());
  EXPECT_EQ(Status().rfind("Fehler:", 0), 0u) << Status();
}

struct BackupCase {
  const char* name;
  int openId;
  const char* opener;
  const char* flag;
  bool moves;
};

const BackupCase kBackupCases[] = {
    {"BackupButton", kEventGadgetAction, "SmartButton26", "NEIN", false},
    {"BackupMenu", kEventMenuAction, "Window1#ModBackup", "NEIN", false},
    {"BackupAndDeleteButton", kEventGadgetAction, "SmartButton31", "JA", true},
    {"BackupAndDeleteMenu", kEventMenuAction, "Window1#ModBackupdel", "JA", true},
};

class Backups : public FileCommands, public testing::WithParamInterface<BackupCase> {};

TEST_P(Backups, CopyIntoTheCategoryAndMoveOnlyWithBackupAndDelete) {
  const BackupCase& backup = GetParam();
  Write("mods/tractor.zip", "archive");
  Load("mods/tractor.zip");
  Send(backup.openId, backup.opener);
  EXPECT_EQ(App().state.deleteAfterBackup, backup.flag);
  EXPECT_TRUE(G("ChildWindow13").Shown());
  EXPECT_EQ(G("Label39").GetText(), "Traktor");
  EXPECT_EQ(G("Label40").GetText(), "tractor.zip");
  EXPECT_TRUE(HasPicture("PlainPanel24"));

  testing::internal::CaptureStdout();
  ChooseCategoryNode("1.Fendt");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            Sys("mods\\tractor.zip") + "<>" + Sys("Backup\\Traktoren\\Fendt\\tractor.zip") + "\n");
  EXPECT_EQ(Read("Backup/Traktoren/Fendt/tractor.zip"), "archive");
  EXPECT_EQ(Exists("mods/tractor.zip"), !backup.moves);
  EXPECT_EQ(Loaded(), !backup.moves);
  EXPECT_FALSE(G("ChildWindow13").Shown());
  EXPECT_TRUE(G("Window1").Enabled());
  EXPECT_EQ(Status(), "Keine Fehler.");
}

INSTANTIATE_TEST_SUITE_P(Table, Backups, testing::ValuesIn(kBackupCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, ACategoryHeadingLeavesTheBackupWindowOpen) {
  Write("mods/tractor.zip", "archive");
  Load("mods/tractor.zip");
  Press("SmartButton31");
  ChooseCategoryNode("Traktoren");
  EXPECT_TRUE(G("ChildWindow13").Shown());
  EXPECT_FALSE(G("Window1").Enabled());
  EXPECT_FALSE(Exists("Backup/Traktoren"));
  EXPECT_TRUE(Loaded());
}

struct RefusedBackup {
  const char* name;
  std::function<void(FileCommands&)> prepare;  // after tractor.zip is loaded from mods
  const char* statusPart;
};

// "Backup & Löschen" that cannot complete: the mod stays where it is, loaded, and the
// status line says why.
const RefusedBackup kRefusedBackups[] = {
    {"IntoTheCategoryItWasLoadedFrom",
     [](FileCommands& t) {
       t.Write("Backup/Traktoren/Fendt/tractor.zip", "archive");
       t.Load("Backup/Traktoren/Fendt/tractor.zip");
     },
     "bereits in dieser Kategorie"},
    {"WithoutBackupFolder", [](FileCommands& t) { t.App().state.settings.backupFolder = ""; }, "Kein Backup Ordner"},
    {"OntoAFolderOfTheSameName",
     [](FileCommands& t) { fs::create_directories(t.folder_ / "Backup/Traktoren/Fendt/tractor.zip"); },
     "fehlgeschlagen"},
    {"IntoAReadOnlyFolder",
     [](FileCommands& t) {
       if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
       fs::create_directories(t.folder_ / "Backup/Traktoren/Fendt");
       fs::permissions(t.folder_ / "Backup/Traktoren/Fendt", fs::perms::owner_read | fs::perms::owner_exec);
     },
     "fehlgeschlagen"},
};

class RefusedBackups : public FileCommands, public testing::WithParamInterface<RefusedBackup> {
 public:
  // A read-only folder would outlast the test.
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      if (entry.is_directory()) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    }
    FileCommands::TearDown();
  }
};

TEST_P(RefusedBackups, KeepTheModAndSaySo) {
  Write("mods/tractor.zip", "archive");
  Load("mods/tractor.zip");
  GetParam().prepare(*this);
  if (IsSkipped()) return;
  const std::string source = App().state.mod.modPath;
  Press("SmartButton31");
  ChooseCategoryNode("1.Fendt");
  EXPECT_EQ(Read(fs::path(HostPath(source)).lexically_relative(folder_).string()), "archive");
  EXPECT_TRUE(Loaded());
  EXPECT_NE(Status().find(GetParam().statusPart), std::string::npos) << Status();
  EXPECT_FALSE(G("ChildWindow13").Shown());
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedBackups, testing::ValuesIn(kRefusedBackups),
                         [](const auto& info) { return std::string(info.param.name); });

class Saving : public FileCommands {
 protected:
  void SetUp() override {
    FileCommands::SetUp();
    const std::string description = "<modDesc>\n\t<price>1000</price>\n\t<xmlFilename>vehicles/tractor.xml</xmlFilename>\n</modDesc>\n";
    const std::string vehicle = "<vehicle>\n\t<capacity>4000</capacity>\n</vehicle>\n";
    WriteArchive("mods/tractor.zip", {{"modDesc.xml", description}, {"vehicles/tractor.xml", vehicle}});
    Write("LS_2011_Data_Temp/modDesc.xml", description);
    Write("LS_2011_Data_Temp/tractor.xml", vehicle);
    Write("Tools/7z.exe", "");  // the scripted driver answers in its place
    Load("mods/tractor.zip", "vehicles/tractor.xml");
  }

  std::string HostFile(const std::string& relative) const { return (folder_ / relative).string(); }
};

TEST_F(Saving, TheSaveButtonPacksPriceAndCapacityWithTheArchiver) {
  G("TextField5").SetText("4321");
  G("TextField6").SetText("9000");
  driver_->processResults.push_back({true, 2});
  testing::internal::CaptureStdout();
  Press("SmartButton34");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "XMLModPath= vehicles\n");
  ASSERT_EQ(driver_->startedProcesses.size(), 1u);
  const std::vector<std::string>& command = driver_->startedProcesses[0];
  EXPECT_EQ(command.front(), HostFile("Tools/7z.exe"));
  EXPECT_EQ(std::vector<std::string>(command.end() - 3, command.end()),
            (std::vector<std::string>{HostFile("mods/.strohvik-repack.tractor.zip"), HostFile("Data_Temp/tractor.xml"),
                                      HostFile("Data_Temp/modDesc.xml")}))
      << "the archiver works on a copy beside the mod";
  EXPECT_NE(Read("Data_Temp/modDesc.xml").find("<price>4321</price>"), std::string::npos);
  EXPECT_NE(Read("Data_Temp/modDesc.xml").find("<xmlFilename>tractor.xml</xmlFilename>"), std::string::npos);
  EXPECT_NE(Read("Data_Temp/tractor.xml").find("<capacity>9000</capacity>"), std::string::npos);
  EXPECT_EQ(Status(), "Fehler: 7-Zip konnte den Mod nicht packen (Code 2); der Mod ist unverändert.")
      << "the archiver's failure is not hidden";
  EXPECT_FALSE(Exists("mods/.strohvik-repack.tractor.zip")) << "no copy is left behind";
}

TEST_F(Saving, TheMenuItemWithoutCapacityPacksOnlyTheDescription) {
  G("TextField5").SetText("4321");
  G("TextField7").SetText("another.zip");  // an edited name must not point the save elsewhere
  Send(kEventMenuAction, "Window1#ModSpeichern");
  ASSERT_EQ(driver_->startedProcesses.size(), 1u);
  const std::vector<std::string>& command = driver_->startedProcesses[0];
  EXPECT_EQ(std::vector<std::string>(command.end() - 2, command.end()),
            (std::vector<std::string>{HostFile("mods/.strohvik-repack.tractor.zip"), HostFile("Data_Temp/modDesc.xml")}));
  EXPECT_FALSE(Exists("Data_Temp/tractor.xml"));
  EXPECT_NE(Status().find("steht nach dem Packen nicht im Archiv"), std::string::npos)
      << "a run that changed nothing is no success: " << Status();
}

TEST_F(Saving, ARefusedPriceStartsNothing) {
  G("TextField5").SetText("<b>1</b>");
  Press("SmartButton34");
  EXPECT_TRUE(driver_->startedProcesses.empty());
  EXPECT_NE(Status().find("Der Preis darf keine"), std::string::npos) << Status();
}

TEST_F(FileCommands, TheGameRunsThroughWineAndItsEndEndsTheProgram) {
  Write("Spiel/FarmingSimulator2011.exe", "MZ");
  const FakeSearchPath path(folder_ / "bin", true);
  shell_->AfterEvent(nullptr);  // the executable enables the button
  SimulatePointerPress(G("SmartButton30"), kMouseLeft, 10, 10);
  EXPECT_EQ(shell_->Run(), 0);
  ASSERT_EQ(driver_->startedProcesses.size(), 1u);
  EXPECT_EQ(driver_->startedProcesses[0],
            (std::vector<std::string>{path.Wine(), (folder_ / "Spiel/FarmingSimulator2011.exe").string()}));
}

struct GameStartFailure {
  const char* name;
  bool withWine;
  bool starts;
  const char* statusPart;
};

const GameStartFailure kGameStartFailures[] = {
    {"WithoutWine", false, true, "wine ist nicht installiert"},
    {"WineDoesNotStart", true, false, "wine konnte nicht gestartet werden"},
};

class GameStartFailures : public FileCommands, public testing::WithParamInterface<GameStartFailure> {};

TEST_P(GameStartFailures, AreShownAndTheProgramGoesOn) {
  Write("Spiel/FarmingSimulator2011.exe", "MZ");
  const FakeSearchPath path(folder_ / "bin", GetParam().withWine);
  if (!GetParam().starts) driver_->processResults.push_back({false, -1});
  shell_->AfterEvent(nullptr);
  EXPECT_TRUE(Press("SmartButton30"));
  EXPECT_FALSE(App().exitCode.has_value());
  EXPECT_NE(Status().find(GetParam().statusPart), std::string::npos) << Status();
}

INSTANTIATE_TEST_SUITE_P(Table, GameStartFailures, testing::ValuesIn(kGameStartFailures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace strohvik
