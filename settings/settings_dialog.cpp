#include "settings/settings_dialog.h"

#include "platform/file_system.h"
#include "settings/folder_value.h"

namespace strohvik {

const char* const kFirstStartText =
    "Beim ersten Start von Strohvik.\n"
    "Muss man ein paar Einstellungen tätigen.\n"
    "Diese sind das man die Ordner des Spiels sowie\n"
    "denn Ordner des Mods Verzeichnisses angeben muss.\n"
    "Außerdem sollte man hier auch einen Backup Ordner\n"
    "angeben in dem man dann Installierte Mods Ablegen kann.\n"
    "Diese Einstellungen müssen aber nur ein mal\n"
    "gemacht werden.\n";
const char* const kFolderPromptText =
    "Hier die Ordnerpfade zu eurer LS 2011 Installation angeben.Und noch einen Ordner zum "
    "erstellen der Backups angeben.";
const char* const kVersionMismatchText =
    "ACHTUNG : Die Programm Versionsnummer und die der INI Datei stimmen nicht überein daher "
    "muss sie neu erstellt werden.";
const FolderTexts kInitialFieldTexts = {"Spiele Ordner", "Mods Ordner", "Backup Ordner"};

namespace {

constexpr const char* kMarkedFieldsText = "Fehler der markirte bereich ist fehlerhaft.";
constexpr const char* kNotWrittenText =
    "Fehler : Die Einstellungen konnten nicht gespeichert werden. Die bisherige Datei "
    "Strohvik-ini.xml bleibt unverändert.";

using FieldMarks = std::array<bool, kFolderFieldCount>;

SettingsDialogView OpenDialog(std::string text, FolderTexts fieldTexts) {
  SettingsDialogView view;
  view.open = true;
  view.text = std::move(text);
  view.fieldTexts = std::move(fieldTexts);
  return view;
}

SettingsDialogView ErrorView(const char* error, const FieldMarks& failed) {
  SettingsDialogView view;
  view.open = true;
  view.text = std::string(kFolderPromptText) + "\n\n" + error;
  view.fieldFailed = failed;
  return view;
}

// The folder written is the text with "\" appended when it lacks one, so the folder
// tested is the text without its trailing "\": a text typed without one keeps its
// last letter.
bool NamesExistingFolder(const std::string& text) {
  const std::string folder = WithoutTrailingBackslash(text);
  return IsFolderSet(folder) && IsFolder(folder);
}

// Both saves alike: test the folders that would be written, then write them.
SettingsDialogView SaveFolders(const std::string& workingDirectory, const FolderTexts& folders) {
  FieldMarks failed{};
  bool anyFailed = false;
  for (int field = 0; field < kFolderFieldCount; ++field) {
    failed[field] = !NamesExistingFolder(folders[field]);
    anyFailed = anyFailed || failed[field];
  }
  if (anyFailed) return ErrorView(kMarkedFieldsText, failed);
  if (!WriteSettingsFile(workingDirectory, folders)) return ErrorView(kNotWrittenText, failed);
  SettingsDialogView closed;
  closed.fieldFailed = failed;
  return closed;
}

}  // namespace

std::optional<SettingsDialogView> RunStartupCheck(const std::string& workingDirectory,
                                                  SettingsValues& values,
                                                  SettingsDialogState& state) {
  state.startupCheckFlag = "JA";
  if (!SettingsFileExists(workingDirectory)) return OpenDialog(kFirstStartText, kInitialFieldTexts);
  values = LoadSettings(workingDirectory);
  if (values.settingsVersion == kProgramVersion) return std::nullopt;
  state.mode = kDialogModeVersion;
  return OpenDialog(kVersionMismatchText, FoldersOf(values));
}

SettingsDialogView OpenSettingsFromMenu(const std::string& workingDirectory,
                                        SettingsValues& values, SettingsDialogState& state) {
  values = LoadSettings(workingDirectory);
  state.mode = kDialogModeNew;
  return OpenDialog(kFolderPromptText, FoldersOf(values));
}

SettingsDialogView PressSettingsOk(const std::string& workingDirectory,
                                   const SettingsValues& values, const FolderTexts& fieldTexts,
                                   SettingsDialogState& state) {
  if (state.mode == kDialogModeVersion) return SaveSettingsFromValues(workingDirectory, values);
  return SaveSettingsFromFields(workingDirectory, fieldTexts, state);
}

SettingsDialogView SaveSettingsFromValues(const std::string& workingDirectory,
                                          const SettingsValues& values) {
  return SaveFolders(workingDirectory, FoldersOf(values));
}

SettingsDialogView SaveSettingsFromFields(const std::string& workingDirectory,
                                          const FolderTexts& fieldTexts,
                                          SettingsDialogState& state) {
  SettingsDialogView view = SaveFolders(workingDirectory, fieldTexts);
  if (view.open) state.mode = kDialogModeNew;
  return view;
}

const char* FolderRequesterTitle(FolderField field) {
  return field == kGameFolderField ? "LS-2011 Spiele Ordner suchen." : "LS2009(G) Mods Ordner suchen.";
}

std::optional<std::string> TakeChosenFolder(SettingsValues& values, FolderField field,
                                            const std::string& chosenPath) {
  if (chosenPath.empty()) return std::nullopt;
  std::string* const valueOf[kFolderFieldCount] = {&values.gameFolder, &values.modsFolder,
                                                   &values.backupFolder};
  *valueOf[field] = chosenPath;
  return chosenPath + "\\";
}

}  // namespace strohvik
