#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "tests/settings/settings_test_support.h"

namespace strohvik {
namespace {

using SettingsFileTest = SettingsTest;

TEST_F(SettingsFileTest, WritesTheNineLinesByteForByte) {
  ASSERT_TRUE(WriteSettingsFile(workingDirectory_, {"C:\\Spiele\\LS2011\\", "C:\\Mods", "D:\\Backup"}));
  EXPECT_EQ(ReadFile("work\\Strohvik-ini.xml"),
            "<Einstellungen>\r\n"
            "\t<SpieleOrdner SpieleOrdner=\"C:\\Spiele\\LS2011\\\" />\r\n"
            "\t<ModsOrdner ModsOrdner=\"C:\\Mods\\\" />\r\n"
            "\t<ModsBackup ModsBackup=\"D:\\Backup\\\" />\r\n"
            "</Einstellungen>\r\n"
            "<LS2011-ini>\r\n"
            "\t<StartLogo StartLogo=\"NEIN\" />\r\n"
            "\t<PRGVersion PRGVersion=\"1.7.0\" />\r\n"
            "</LS2011-ini>\r\n");
}

TEST_F(SettingsFileTest, ReadsBackWhatWasWrittenKeepingUtf8Bytes) {
  const std::string umlautFolder = "C:\\Spiele\\Landwirtschafts-Simulator \xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F\\";
  ASSERT_TRUE(WriteSettingsFile(workingDirectory_, {umlautFolder, "C:\\Mods\\", "D:\\\xE2\x82\xAC\\"}));
  const SettingsValues values = LoadSettings(workingDirectory_);
  EXPECT_EQ(values.gameFolder, umlautFolder);
  EXPECT_EQ(values.modsFolder, "C:\\Mods\\");
  EXPECT_EQ(values.backupFolder, "D:\\\xE2\x82\xAC\\");
  EXPECT_EQ(values.startLogo, "NEIN");
  EXPECT_EQ(values.settingsVersion, "1.7.0");
}

TEST_F(SettingsFileTest, MissingFileOrValuesReadAsZero) {
  EXPECT_FALSE(SettingsFileExists(workingDirectory_));
  const SettingsValues none = LoadSettings(workingDirectory_);
  for (const std::string& value :
       {none.gameFolder, none.modsFolder, none.backupFolder, none.startLogo, none.settingsVersion}) {
    EXPECT_EQ(value, "0");
  }

  WriteFile("work\\Strohvik-ini.xml", "<Einstellungen>\r\n\t<ModsOrdner ModsOrdner=\"C:\\Mods\\\" />\r\n</Einstellungen>\r\n");
  EXPECT_TRUE(SettingsFileExists(workingDirectory_));
  const SettingsValues partial = LoadSettings(workingDirectory_);
  EXPECT_EQ(partial.modsFolder, "C:\\Mods\\");
  EXPECT_EQ(partial.gameFolder, "0");
  EXPECT_EQ(partial.settingsVersion, "0");
}

TEST_F(SettingsFileTest, UnwritableFileIsReportedAsFailure) {
  EXPECT_FALSE(WriteSettingsFile(Sys("no such folder"), {"a", "b", "c"}));
  MakeFolder("work\\Strohvik-ini.xml");
  EXPECT_FALSE(WriteSettingsFile(workingDirectory_, {"a", "b", "c"}));
}

}  // namespace
}  // namespace strohvik
