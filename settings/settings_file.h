#pragma once
// The settings file "Strohvik-ini.xml" in the working directory: the three folders, the
// start-logo flag and the program version that wrote it, nine lines of XML.

#include <array>
#include <string>

#include "settings/settings_values.h"

namespace strohvik {

inline constexpr const char* kSettingsFileName = "Strohvik-ini.xml";

// The three folders in the order of the dialog's fields TextField11, TextField12 and
// TextField13.
enum FolderField { kGameFolderField = 0, kModsFolderField = 1, kBackupFolderField = 2 };
inline constexpr int kFolderFieldCount = 3;
using FolderTexts = std::array<std::string, kFolderFieldCount>;

FolderTexts FoldersOf(const SettingsValues& values);

bool SettingsFileExists(const std::string& workingDirectory);
// Every value the file lacks reads as "0"; a missing file makes them all "0".
SettingsValues LoadSettings(const std::string& workingDirectory);
// Writes the file with each folder ending in "\", "NEIN" as start logo and the program
// version, replacing the old file only once the new one is complete. False when it could
// not be written; the old file is then unchanged.
bool WriteSettingsFile(const std::string& workingDirectory, const FolderTexts& folders);

}  // namespace strohvik
