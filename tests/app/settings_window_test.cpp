// The settings dialog, the folder tree and the category trees, through the real windows.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/commands.h"
#include "mods/folder_listing.h"
#include "settings/settings_dialog.h"
#include "shell_fixture.h"

namespace strohvik {
namespace {

namespace fs = std::filesystem;

constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kLightRed{255, 223, 223};
constexpr const char* kFields[] = {"TextField11", "TextField12", "TextField13"};

class SettingsWindow : public ShellFixture {
 protected:
  explicit SettingsWindow(bool withSettingsFile = true) : ShellFixture(withSettingsFile) {}

  std::vector<std::string> Texts(const std::string& tree, TTreeNode* parent = nullptr) {
    std::vector<std::string> texts;
    for (TTreeNode* node : G(tree).ChildNodes(parent)) texts.push_back(node->Text());
    return texts;
  }
  std::set<std::string> TextSet(const std::string& tree) {
    const std::vector<std::string> texts = Texts(tree);
    return {texts.begin(), texts.end()};
  }
  // A double click on the node of TreeView3 with this text.
  void OpenNode(const std::string& text) {
    for (TTreeNode* node : G("TreeView3").ChildNodes(nullptr)) {
      if (node->Text() == text) G("TreeView3").SelectNode(node);
    }
    ASSERT_EQ(G("TreeView3").SelectedNode()->Text(), text);
    Send(kEventGadgetAction, "TreeView3");
  }
  void ExpectFieldColours(TRgb game, TRgb mods, TRgb backup) {
    const TRgb expected[] = {game, mods, backup};
    for (int field = 0; field < 3; ++field) EXPECT_EQ(G(kFields[field]).Color(), expected[field]) << kFields[field];
  }
  void MakeMod(const std::string& relative) {
    WriteArchive(relative, {{"modDesc.xml", "<modDesc><author>Hofmann</author><title><de>Traktor</de></title></modDesc>\n"}});
  }
  void WriteCategories() {
    Write("Kategorien.xml",
              "<Kategorien>\r\n\t<Kategorien Kategorien=\"2\" />\r\n"
              "\t<1 Name=\"A\" num=\"2\" 1=\"X\" 2=\"Y\" />\r\n\t<2 Name=\"B\" num=\"0\" />\r\n</Kategorien>\r\n");
  }
};

class SettingsFirstStart : public SettingsWindow {
 protected:
  SettingsFirstStart() : SettingsWindow(false) {}
};

TEST_F(SettingsFirstStart, AsksForTheFoldersAndWritesTheFileFromTheFields) {
  shell_->HandlePending();
  EXPECT_TRUE(G("ChildWindow6").Shown());
  EXPECT_FALSE(G("Window1").Enabled());
  EXPECT_EQ(G("TextArea1").GetText(), kFirstStartText);
  EXPECT_EQ(G("TextField11").GetText(), "Spiele Ordner");
  EXPECT_EQ(App().state.settingsDialog.mode, "");

  for (const char* folder : {"Spiel", "mods", "Backup"}) {
    fs::create_directories(folder_ / folder);
    driver_->dirAnswers.push_back(Sys(folder));
  }
  for (const char* button : {"Button7", "Button8", "Button13"}) Send(kEventGadgetAction, button);
  ASSERT_EQ(driver_->requests.size(), 3u);
  EXPECT_EQ(driver_->requests[0].title, "LS-2011 Spiele Ordner suchen.");
  EXPECT_EQ(driver_->requests[1].title, "LS2009(G) Mods Ordner suchen.");
  EXPECT_EQ(driver_->requests[2].title, "LS2009(G) Mods Ordner suchen.");
  EXPECT_EQ(driver_->requests[2].start, Sys(""));
  EXPECT_EQ(G("TextField12").GetText(), Sys("mods") + "\\");
  EXPECT_EQ(App().state.settings.modsFolder, Sys("mods")) << "a picked folder counts at once";

  Press("SmartButton39");
  EXPECT_FALSE(G("ChildWindow6").Shown());
  EXPECT_TRUE(G("Window1").Enabled());
  ExpectFieldColours(kWhite, kWhite, kWhite);
  EXPECT_EQ(Read("Strohvik-ini.xml"), SettingsText("1.7.0"));
}

TEST_F(SettingsFirstStart, AFileThatCannotBeWrittenKeepsTheDialogOpenWithAMessage) {
  fs::create_directory(folder_ / "Strohvik-ini.xml");  // in the way of the file
  shell_->HandlePending();
  ASSERT_TRUE(G("ChildWindow6").Shown());
  for (const char* folder : {"Spiel", "mods", "Backup"}) fs::create_directories(folder_ / folder);
  G("TextField11").SetText(Sys("Spiel") + "\\");
  G("TextField12").SetText(Sys("mods") + "\\");
  G("TextField13").SetText(Sys("Backup") + "\\");
  Press("SmartButton39");
  EXPECT_TRUE(G("ChildWindow6").Shown());
  EXPECT_FALSE(G("Window1").Enabled());
  EXPECT_NE(G("TextArea1").GetText().find("konnten nicht gespeichert werden"), std::string::npos);
}

TEST_F(SettingsWindow, AnotherVersionWarnsAndOkRewritesTheSameFoldersWithThisVersion) {
  WriteSettingsFile("1.6.0");
  shell_->HandlePending();
  EXPECT_TRUE(G("ChildWindow6").Shown());
  EXPECT_FALSE(G("Window1").Enabled());
  EXPECT_EQ(G("TextArea1").GetText(), kVersionMismatchText);
  EXPECT_EQ(G("TextArea1").GetText().substr(0, 7), "ACHTUNG");
  EXPECT_EQ(G("TextField12").GetText(), Sys("mods") + "\\");
  EXPECT_EQ(App().state.settingsDialog.mode, "VERSION");

  G("TextField12").SetText("typed, but not what this mode saves");
  Press("SmartButton39");
  EXPECT_FALSE(G("ChildWindow6").Shown());
  EXPECT_TRUE(G("Window1").Enabled());
  EXPECT_EQ(Read("Strohvik-ini.xml"), SettingsText("1.7.0"));
}

TEST_F(SettingsWindow, TheSameVersionOpensNothingAndKeepsTheFoldersRead) {
  shell_->HandlePending();
  EXPECT_FALSE(G("ChildWindow6").Shown());
  EXPECT_EQ(App().state.settings.backupFolder, Sys("Backup") + "\\");
  EXPECT_EQ(App().state.settings.settingsVersion, "1.7.0");
}

TEST_F(SettingsWindow, FieldsThatNameNoFolderTurnLightRedUntilTheyDo) {
  shell_->HandlePending();
  Send(kEventMenuAction, "Window1#Programm");
  const std::string before = Read("Strohvik-ini.xml");
  G("TextField12").SetText(Sys("gone") + "\\");
  G("TextField13").SetText("");
  Press("SmartButton39");
  EXPECT_TRUE(G("ChildWindow6").Shown());
  EXPECT_FALSE(G("Window1").Enabled());
  EXPECT_EQ(G("TextArea1").GetText(), std::string(kFolderPromptText) + "\n\nFehler der markirte bereich ist fehlerhaft.");
  ExpectFieldColours(kWhite, kLightRed, kLightRed);
  EXPECT_EQ(App().state.settingsDialog.mode, "NEW");
  EXPECT_EQ(Read("Strohvik-ini.xml"), before) << "nothing is written";

  fs::create_directory(folder_ / "Neu");
  G("TextField12").SetText(Sys("Neu") + "\\");
  G("TextField13").SetText(Sys("Backup") + "\\");
  Press("SmartButton39");
  EXPECT_FALSE(G("ChildWindow6").Shown());
  ExpectFieldColours(kWhite, kWhite, kWhite);
  EXPECT_NE(Read("Strohvik-ini.xml").find("<ModsOrdner ModsOrdner=\"" + Sys("Neu") + "\\\" />"),
            std::string::npos);
  EXPECT_EQ(App().state.settings.modsFolder, Sys("mods") + "\\") << "typed folders count after the next start";
}

TEST_F(SettingsWindow, AFolderWithUmlautsKeepsItsBytesThroughTheFieldsAndLists) {
  const std::string mods = "Mods \xC3\x84rger \xE2\x82\xAC";
  const std::string archive = "Sch\xC3\xA4" "fer.zip";
  Write(mods + "/" + archive, "");
  shell_->HandlePending();
  Send(kEventMenuAction, "Window1#Programm");
  driver_->dirAnswers.push_back(Sys(mods));
  Send(kEventGadgetAction, "Button8");
  Press("SmartButton39");
  EXPECT_FALSE(G("ChildWindow6").Shown());
  EXPECT_NE(Read("Strohvik-ini.xml").find("<ModsOrdner ModsOrdner=\"" + Sys(mods) + "\\\" />"),
            std::string::npos);
  Press("SmartButton33");
  EXPECT_EQ(Texts("TreeView3"), std::vector<std::string>{archive});
  EXPECT_EQ(App().state.treeFolder, Sys(mods) + "\\");
}

TEST_F(SettingsWindow, TheModsFolderListsWhatEndsExactlyInZip) {
  const std::string umlauts = "Gro\xC3\x9F" "er Anh\xC3\xA4nger.zip";
  for (const std::string& file : {std::string("a.zip"), std::string("b.txt"), std::string("c.ZIP"), umlauts}) {
    Write("mods/" + file, "");
  }
  fs::create_directory(folder_ / "mods" / "d.zip");
  shell_->HandlePending();
  G("TextField1").SetText("vom vorigen Mod");
  Press("SmartButton33");
  EXPECT_EQ(G("TextArea5").GetText(), "Mods Ordner :");
  EXPECT_EQ(TextSet("TreeView3"), (std::set<std::string>{"a.zip", "d.zip", umlauts}));
  EXPECT_EQ(App().state.treeFolder, Sys("mods") + "\\");
  EXPECT_EQ(G("TextField1").GetText(), "") << "the mod page is emptied first";

  Send(kEventMenuAction, "Window1#ModsOrdner");
  EXPECT_EQ(Texts("TreeView3").size(), 3u) << "filled anew, not added to";
}

TEST_F(SettingsWindow, AnUnsetFolderListsNothingAndSaysSo) {
  Write("mods/a.zip", "");
  shell_->HandlePending();
  for (const char* unset : {"", "0", "\\"}) {
    SCOPED_TRACE(unset);
    App().state.settings.modsFolder = Sys("mods");
    Press("SmartButton33");
    ASSERT_EQ(Texts("TreeView3").size(), 1u) << "a picked folder lacks the trailing \\ and lists itself";

    App().state.settings.modsFolder = unset;
    Press("SmartButton33");
    EXPECT_TRUE(Texts("TreeView3").empty());
    EXPECT_EQ(App().state.treeFolder, "");
    EXPECT_EQ(G("Label41").GetText(), kFolderNotSetStatus);
  }
}

TEST_F(SettingsWindow, ADoubleClickOnAnArchiveLoadsItFromTheTreeFolder) {
  MakeMod("mods/Traktor.zip");
  shell_->HandlePending();
  Press("SmartButton33");
  OpenNode("Traktor.zip");
  EXPECT_EQ(App().state.mod.modPath, Sys("mods") + "\\Traktor.zip");
  EXPECT_EQ(G("TextField7").GetText(), "Traktor.zip");
  EXPECT_EQ(G("TextField1").GetText(), "Hofmann");
  EXPECT_TRUE(G("SmartButton28").Enabled()) << "a loaded mod enables the mod commands";
}

TEST_F(SettingsWindow, ACancelledLoadKeepsTheTreeAndTheLoadersMessage) {
  Write("mods/a.zip", "");
  shell_->HandlePending();
  Press("SmartButton33");
  Press("SmartButton25");  // no answer: the user cancels
  EXPECT_EQ(Texts("TreeView3"), std::vector<std::string>{"a.zip"});
  EXPECT_EQ(App().state.treeFolder, Sys("mods") + "\\");
  EXPECT_EQ(G("Label41").GetText(), "Keine modDesc.xml gefunden Bitte erst entpacken. Oder Anderen Mod W\xC3\xA4hlen.");
}

TEST_F(SettingsWindow, TheBackupFolderShowsTheCategoriesAndASubcategoryListsItsArchives) {
  WriteCategories();
  Write("Backup/A/X/alt.zip", "");
  shell_->HandlePending();
  G("TextField1").SetText("bleibt");
  Press("SmartButton32");
  EXPECT_EQ(G("TextArea5").GetText(), "Backup Ordner :");
  EXPECT_EQ(G("TextField1").GetText(), "bleibt") << "the backup commands keep the mod page";
  const std::vector<TTreeNode*> headings = G("TreeView3").ChildNodes(nullptr);
  ASSERT_EQ(Texts("TreeView3"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(Texts("TreeView3", headings[0]), (std::vector<std::string>{"1.X", "1.Y"}));
  EXPECT_TRUE(Texts("TreeView3", headings[1]).empty());

  OpenNode("A");
  EXPECT_EQ(G("TextField1").GetText(), "") << "a heading only empties the mod page";
  EXPECT_EQ(Texts("TreeView3"), (std::vector<std::string>{"A", "B"}));

  G("TreeView3").SelectNode(G("TreeView3").ChildNodes(headings[0])[0]);
  Send(kEventGadgetAction, "TreeView3");
  EXPECT_EQ(Texts("TreeView3"), std::vector<std::string>{"alt.zip"});
  EXPECT_EQ(App().state.treeFolder, Sys("Backup") + "\\A\\X\\");

  App().state.settings.backupFolder = "0";
  Press("SmartButton32");
  G("TreeView3").SelectNode(G("TreeView3").ChildNodes(G("TreeView3").ChildNodes(nullptr)[0])[0]);
  Send(kEventGadgetAction, "TreeView3");
  EXPECT_EQ(Texts("TreeView3"), (std::vector<std::string>{"A", "B"})) << "an unset backup folder opens nothing";
}

TEST_F(SettingsWindow, TheBackupWindowShowsTheSameCategories) {
  WriteCategories();
  shell_->HandlePending();
  FillCategoryTree(App(), G("TreeView4"));
  FillCategoryTree(App(), G("TreeView4"));
  EXPECT_EQ(Texts("TreeView4"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(Texts("TreeView4", G("TreeView4").ChildNodes(nullptr)[0]), (std::vector<std::string>{"1.X", "1.Y"}));

  fs::remove(folder_ / "Kategorien.xml");
  FillCategoryTree(App(), G("TreeView4"));
  EXPECT_TRUE(Texts("TreeView4").empty());
}

}  // namespace
}  // namespace strohvik
