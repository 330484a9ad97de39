#include "settings/settings_dialog.h"

#include <gtest/gtest.h>

#include "tests/platform/file_size_limit.h"
#include "tests/settings/settings_test_support.h"

namespace strohvik {
namespace {

using Marks = std::array<bool, kFolderFieldCount>;

const std::string kMarkedError = std::string(kFolderPromptText) + "\n\nFehler der markirte bereich ist fehlerhaft.";

class SettingsDialogTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    game_ = MakeFolder("LS2011");
    mods_ = MakeFolder("LS2011\\mods");
    backup_ = MakeFolder("Backup");
  }
  // The settings file on the test's folders, as the given program version writes it.
  std::string SettingsText(const std::string& version) const {
    return "<Einstellungen>\r\n\t<SpieleOrdner SpieleOrdner=\"" + game_ + "\\\" />\r\n\t<ModsOrdner ModsOrdner=\"" +
                  mods_ + "\\\" />\r\n\t<ModsBackup ModsBackup=\"" + backup_ +
                  "\\\" />\r\n</Einstellungen>\r\n<LS2011-ini>\r\n\t<StartLogo StartLogo=\"NEIN\" />\r\n\t"
                  "<PRGVersion PRGVersion=\"" + version + "\" />\r\n</LS2011-ini>\r\n";
  }
  void WriteOldSettings(const std::string& version) const {
    WriteFile("work\\Strohvik-ini.xml", SettingsText(version));
  }
  std::string Written() const { return ReadFile("work\\Strohvik-ini.xml"); }

  std::string game_, mods_, backup_;
  SettingsValues values_;
  SettingsDialogState state_;
};

TEST_F(SettingsDialogTest, FirstStartShowsTheFirstStartTextAndKeepsTheEmptyMode) {
  const auto view = RunStartupCheck(workingDirectory_, values_, state_);
  ASSERT_TRUE(view.has_value());
  EXPECT_TRUE(view->open);
  EXPECT_EQ(view->text, kFirstStartText);
  EXPECT_EQ(view->fieldTexts, (FolderTexts{"Spiele Ordner", "Mods Ordner", "Backup Ordner"}));
  EXPECT_EQ(state_.mode, "");
  EXPECT_EQ(state_.startupCheckFlag, "JA");
  EXPECT_EQ(values_.modsFolder, "");

  // OK in the first-start mode saves the fields.
  const auto saved = PressSettingsOk(workingDirectory_, values_, {game_ + "\\", mods_ + "\\", backup_ + "\\"}, state_);
  EXPECT_FALSE(saved.open);
  EXPECT_EQ(LoadSettings(workingDirectory_).modsFolder, mods_ + "\\");
}

TEST_F(SettingsDialogTest, OtherVersionShowsAchtungAndOkRewritesWithThisVersion) {
  WriteOldSettings("1.6.0");
  const auto view = RunStartupCheck(workingDirectory_, values_, state_);
  ASSERT_TRUE(view.has_value());
  EXPECT_TRUE(view->open);
  EXPECT_EQ(view->text,
            "ACHTUNG : Die Programm Versionsnummer und die der INI Datei stimmen nicht \xC3\xBC"
            "berein daher muss sie neu erstellt werden.");
  EXPECT_EQ(view->fieldTexts, (FolderTexts{game_ + "\\", mods_ + "\\", backup_ + "\\"}));
  EXPECT_EQ(state_.mode, "VERSION");

  // The fields are not what is saved in this mode: the values in memory are.
  const auto saved = PressSettingsOk(workingDirectory_, values_, {"typed", "", ""}, state_);
  EXPECT_FALSE(saved.open);
  EXPECT_EQ(saved.fieldFailed, (Marks{false, false, false}));
  EXPECT_EQ(Written(), SettingsText("1.7.0"));
}

TEST_F(SettingsDialogTest, SameVersionOpensNothingAndKeepsTheValuesRead) {
  WriteOldSettings(kProgramVersion);
  EXPECT_FALSE(RunStartupCheck(workingDirectory_, values_, state_).has_value());
  EXPECT_EQ(values_.backupFolder, backup_ + "\\");
  EXPECT_EQ(state_.mode, "");
  EXPECT_EQ(state_.startupCheckFlag, "JA");
}

TEST_F(SettingsDialogTest, FieldsThatNameNoFolderTurnLightRedAndNothingIsWritten) {
  struct Case {
    const char* what;
    FolderTexts fields;
    Marks failed;
  };
  const Case cases[] = {
      {"missing folder", {game_ + "\\", Sys("nowhere") + "\\", backup_ + "\\"}, {false, true, false}},
      {"empty fields", {"", "", backup_ + "\\"}, {true, true, false}},
      {"cancelled button", {"\\", game_ + "\\", backup_ + "\\"}, {true, false, false}},
      {"root and zero", {"\\\\", "0\\", "0"}, {true, true, true}},
      {"a file, not a folder", {game_, mods_, Sys("work\\x.txt") + "\\"}, {false, false, true}},
  };
  WriteFile("work\\x.txt", "x");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state_.mode = "";
    const auto view = SaveSettingsFromFields(workingDirectory_, c.fields, state_);
    EXPECT_TRUE(view.open);
    EXPECT_EQ(view.text, kMarkedError);
    EXPECT_EQ(view.fieldFailed, c.failed);
    EXPECT_EQ(state_.mode, "NEW");
    EXPECT_FALSE(SettingsFileExists(workingDirectory_));
  }
}

TEST_F(SettingsDialogTest, AFieldWithoutTrailingBackslashIsTestedAsWritten) {
  // The folder written is the text plus "\", so the test must keep the text's last letter.
  EXPECT_FALSE(SaveSettingsFromFields(workingDirectory_, {game_, mods_, backup_}, state_).open);
  EXPECT_EQ(LoadSettings(workingDirectory_).gameFolder, game_ + "\\");

  // "LS201" exists, "LS201x" does not: the shorter path must not pass for the longer one.
  MakeFolder("LS201");
  const auto view = SaveSettingsFromFields(workingDirectory_, {Sys("LS201x"), mods_, backup_}, state_);
  EXPECT_TRUE(view.open);
  EXPECT_EQ(view.fieldFailed, (Marks{true, false, false}));
  EXPECT_EQ(LoadSettings(workingDirectory_).gameFolder, game_ + "\\");
}

TEST_F(SettingsDialogTest, SavingFromValuesTestsTheValuesThatAreWritten) {
  state_.mode = kDialogModeVersion;
  values_ = {game_ + "\\", Sys("gone") + "\\", backup_, "NEIN", "1.6.0"};
  const FolderTexts validFields = {game_ + "\\", mods_ + "\\", backup_ + "\\"};
  const auto view = PressSettingsOk(workingDirectory_, values_, validFields, state_);
  EXPECT_TRUE(view.open);
  EXPECT_EQ(view.text, kMarkedError);
  EXPECT_EQ(view.fieldFailed, (Marks{false, true, false}));
  EXPECT_EQ(state_.mode, "VERSION");
  EXPECT_FALSE(SettingsFileExists(workingDirectory_));

  values_.modsFolder = "0";  // a value the file lacked
  EXPECT_EQ(SaveSettingsFromValues(workingDirectory_, values_).fieldFailed, (Marks{false, true, false}));

  values_.modsFolder = mods_;  // picked with a folder button: no trailing "\"
  EXPECT_FALSE(SaveSettingsFromValues(workingDirectory_, values_).open);
  EXPECT_EQ(LoadSettings(workingDirectory_).modsFolder, mods_ + "\\");
  EXPECT_EQ(LoadSettings(workingDirectory_).backupFolder, backup_ + "\\");
}

TEST_F(SettingsDialogTest, AFileThatCannotBeWrittenKeepsTheDialogOpen) {
  MakeFolder("work\\Strohvik-ini.xml");  // in the way of the file
  const auto view = SaveSettingsFromFields(workingDirectory_, {game_, mods_, backup_}, state_);
  EXPECT_TRUE(view.open);
  ASSERT_TRUE(view.text.has_value());
  EXPECT_NE(view.text->find("konnten nicht gespeichert werden"), std::string::npos);
  EXPECT_EQ(view.fieldFailed, (Marks{false, false, false}));

  const auto missingWorkingDirectory = SaveSettingsFromFields(Sys("gone"), {game_, mods_, backup_}, state_);
  EXPECT_TRUE(missingWorkingDirectory.open);
}

TEST_F(SettingsDialogTest, ASaveFailingHalfwayKeepsThePreviousSettings) {
  WriteOldSettings("1.7.0");
  const std::string previous = Written();
  std::optional<SettingsDialogView> view;
  {
    const ScopedFileSizeLimit diskFull(40);
    view = SaveSettingsFromFields(workingDirectory_, {backup_, backup_, backup_}, state_);
  }
  EXPECT_TRUE(view->open);
  EXPECT_NE(view->text->find("konnten nicht gespeichert werden"), std::string::npos);
  EXPECT_EQ(Written(), previous);
}

TEST_F(SettingsDialogTest, MenuReadsTheFileAgainAndOpensInNewMode) {
  values_.modsFolder = "picked";
  const auto none = OpenSettingsFromMenu(workingDirectory_, values_, state_);
  EXPECT_TRUE(none.open);
  EXPECT_EQ(none.text, kFolderPromptText);
  EXPECT_EQ(none.fieldTexts, (FolderTexts{"0", "0", "0"}));
  EXPECT_EQ(state_.mode, "NEW");

  WriteOldSettings("1.6.0");
  EXPECT_EQ(OpenSettingsFromMenu(workingDirectory_, values_, state_).fieldTexts,
            (FolderTexts{game_ + "\\", mods_ + "\\", backup_ + "\\"}));
  EXPECT_EQ(values_.modsFolder, mods_ + "\\");
}

TEST_F(SettingsDialogTest, FolderButtonsSetTheValueAndCancelChangesNothing) {
  EXPECT_STREQ(FolderRequesterTitle(kGameFolderField), "LS-2011 Spiele Ordner suchen.");
  EXPECT_STREQ(FolderRequesterTitle(kModsFolderField), "LS2009(G) Mods Ordner suchen.");
  EXPECT_STREQ(FolderRequesterTitle(kBackupFolderField), "LS2009(G) Mods Ordner suchen.");

  EXPECT_EQ(TakeChosenFolder(values_, kModsFolderField, mods_), mods_ + "\\");
  EXPECT_EQ(values_.modsFolder, mods_);
  EXPECT_EQ(TakeChosenFolder(values_, kBackupFolderField, backup_), backup_ + "\\");
  EXPECT_EQ(values_.backupFolder, backup_);
  EXPECT_EQ(values_.gameFolder, "");

  EXPECT_FALSE(TakeChosenFolder(values_, kModsFolderField, "").has_value());
  EXPECT_EQ(values_.modsFolder, mods_);
}

}  // namespace
}  // namespace strohvik
