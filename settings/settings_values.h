#pragma once
// The settings values kept in memory for the whole run. Every part that needs a folder
// of the game takes it from here, never from the file.

#include <string>

namespace strohvik {

inline constexpr const char* kProgramVersion = "1.7.0";

struct SettingsValues {
  std::string gameFolder;       // SpieleOrdner; ends in "\" as stored
  std::string modsFolder;       // ModsOrdner; ends in "\" as stored
  std::string backupFolder;     // ModsBackup; ends in "\" as stored
  std::string startLogo;        // StartLogo; always written as "NEIN"
  std::string settingsVersion;  // PRGVersion found in the file
};

}  // namespace strohvik
