#pragma once
// What the settings dialog (ChildWindow6) does, as functions over values: each returns
// what the window code puts on the gadgets, so that the logic runs without a GUI.

#include <array>
#include <optional>
#include <string>

#include "settings/settings_file.h"
#include "settings/settings_values.h"

namespace strohvik {

// Where the next save takes the folders from: "" (first start) and "NEW" the fields,
// "VERSION" the values in memory.
inline constexpr const char* kDialogModeVersion = "VERSION";
inline constexpr const char* kDialogModeNew = "NEW";

struct SettingsDialogState {
  std::string mode;                       // "", "VERSION" or "NEW"
  std::string startupCheckFlag = "NEIN";  // "JA" once the start-up check has run
};

struct FieldColour {
  int red, green, blue;
};
inline constexpr FieldColour kFieldWhite{255, 255, 255};
inline constexpr FieldColour kFieldLightRed{255, 223, 223};

extern const char* const kFirstStartText;
extern const char* const kFolderPromptText;
extern const char* const kVersionMismatchText;
extern const FolderTexts kInitialFieldTexts;

// What the window code shows. Open: Window1 disabled and the dialog shown; closed:
// Window1 enabled and the dialog hidden. Members without a value leave their gadgets
// as they are.
struct SettingsDialogView {
  bool open = false;
  std::optional<std::string> text;               // TextArea1
  std::optional<FolderTexts> fieldTexts;         // TextField11 to TextField13
  std::optional<std::array<bool, kFolderFieldCount>> fieldFailed;  // light red, else white
};

// Runs once, on the first event after start; none when the file matches this version.
std::optional<SettingsDialogView> RunStartupCheck(const std::string& workingDirectory,
                                                  SettingsValues& values,
                                                  SettingsDialogState& state);
// The menu item "Programm": reads the file again and opens the dialog on the folders.
SettingsDialogView OpenSettingsFromMenu(const std::string& workingDirectory,
                                        SettingsValues& values, SettingsDialogState& state);

// The dialog's OK button: "VERSION" saves the values in memory, any other mode the
// field texts. Either save tests the folders it would write: a folder that does not
// exist, or is not set, marks its field light red and nothing is written; a file that
// cannot be written keeps the dialog open with a message and the old file unchanged.
// Neither changes the values in memory.
SettingsDialogView PressSettingsOk(const std::string& workingDirectory,
                                   const SettingsValues& values, const FolderTexts& fieldTexts,
                                   SettingsDialogState& state);
SettingsDialogView SaveSettingsFromValues(const std::string& workingDirectory,
                                          const SettingsValues& values);
// A failed save from the fields sets the mode to "NEW".
SettingsDialogView SaveSettingsFromFields(const std::string& workingDirectory,
                                          const FolderTexts& fieldTexts,
                                          SettingsDialogState& state);

// The folder buttons Button7, Button8 and Button13: the title of the directory requester
// (which starts in the working directory), and what the chosen folder does. The chosen
// path becomes the settings value and the returned text, path + "\", goes into the
// field. A cancelled requester (the empty string) changes nothing and gives none.
const char* FolderRequesterTitle(FolderField field);
std::optional<std::string> TakeChosenFolder(SettingsValues& values, FolderField field,
                                            const std::string& chosenPath);

}  // namespace strohvik
