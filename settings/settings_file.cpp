#include "settings/settings_file.h"

#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/folder_value.h"
#include "xml/xml_file.h"

namespace strohvik {
namespace {

// Each setting is an empty element under its section, carrying one attribute of its
// own name.
struct SettingKey {
  const char* section;
  const char* name;
};
constexpr SettingKey kFolderKeys[kFolderFieldCount] = {
    {"Einstellungen", "SpieleOrdner"},
    {"Einstellungen", "ModsOrdner"},
    {"Einstellungen", "ModsBackup"},
};
constexpr SettingKey kStartLogoKey{"LS2011-ini", "StartLogo"};
constexpr SettingKey kVersionKey{"LS2011-ini", "PRGVersion"};

// The kinds WriteNode takes: an element with start and end tag, or an empty element.
constexpr int kElementKind = 1;
constexpr int kEmptyElementKind = 2;

std::string PathOf(const SettingKey& key) { return std::string(key.section) + "/" + key.name; }

std::string Read(const XMLFile& file, const SettingKey& key) {
  return file.ReadNodeValue(PathOf(key), key.name);
}

void Write(XMLFile& file, const SettingKey& key, const std::string& value) {
  file.WriteNode(PathOf(key), kEmptyElementKind);
  file.WriteNodeValue(PathOf(key), key.name, value);
}

std::string SettingsFilePath(const std::string& workingDirectory) {
  return JoinPath(workingDirectory, kSettingsFileName);
}

}  // namespace

FolderTexts FoldersOf(const SettingsValues& values) {
  return {values.gameFolder, values.modsFolder, values.backupFolder};
}

bool SettingsFileExists(const std::string& workingDirectory) {
  return IsFile(SettingsFilePath(workingDirectory));
}

SettingsValues LoadSettings(const std::string& workingDirectory) {
  auto file = XMLFile::New();
  file->Open(SettingsFilePath(workingDirectory));
  SettingsValues values;
  values.gameFolder = Read(*file, kFolderKeys[kGameFolderField]);
  values.modsFolder = Read(*file, kFolderKeys[kModsFolderField]);
  values.backupFolder = Read(*file, kFolderKeys[kBackupFolderField]);
  values.startLogo = Read(*file, kStartLogoKey);
  values.settingsVersion = Read(*file, kVersionKey);
  return values;
}

bool WriteSettingsFile(const std::string& workingDirectory, const FolderTexts& folders) {
  auto file = XMLFile::New();
  file->Create();
  file->WriteNode(kFolderKeys[0].section, kElementKind);
  for (int field = 0; field < kFolderFieldCount; ++field) {
    Write(*file, kFolderKeys[field], WithTrailingBackslash(folders[field]));
  }
  file->WriteNode(kStartLogoKey.section, kElementKind);
  Write(*file, kStartLogoKey, "NEIN");
  Write(*file, kVersionKey, kProgramVersion);
  return file->Save(SettingsFilePath(workingDirectory)) == 1;
}

}  // namespace strohvik
