#include "settings/backup_categories.h"

#include <gtest/gtest.h>

#include "tests/settings/settings_test_support.h"

namespace strohvik {

void PrintTo(const CategoryNode& node, std::ostream* out) {
  *out << node.text << " {";
  for (const auto& child : node.children) *out << ' ' << child;
  *out << " }";
}

namespace {

class BackupCategoriesTest : public SettingsTest {
 protected:
  void WriteCategories(const std::string& elements) const {
    WriteFile("work\\Kategorien.xml", "<Kategorien>\r\n" + elements + "</Kategorien>\r\n");
  }
  std::optional<std::string> FolderOf(const std::string& backupFolder, const std::string& nodeText) const {
    return CategoryFolderOf(workingDirectory_, backupFolder, nodeText);
  }
};

constexpr const char* kTwoCategories =
    "\t<Kategorien Kategorien=\"2\" />\r\n"
    "\t<1 Name=\"A\" num=\"2\" 1=\"X\" 2=\"Y\" />\r\n"
    "\t<2 Name=\"B\" num=\"0\" />\r\n";

TEST_F(BackupCategoriesTest, TreeShowsCategoriesWithNumberedSubcategories) {
  WriteCategories(kTwoCategories);
  EXPECT_EQ(ReadCategoryTree(workingDirectory_),
            (std::vector<CategoryNode>{{"A", {"1.X", "1.Y"}}, {"B", {}}}));
}

TEST_F(BackupCategoriesTest, MissingFileOrNamesGiveEmptyTreeOrZero) {
  EXPECT_TRUE(ReadCategoryTree(workingDirectory_).empty());
  EXPECT_FALSE(FolderOf(Sys("Backup\\"), "1.X").has_value());

  WriteCategories("\t<Kategorien Kategorien=\"2\" />\r\n\t<1 num=\"2\" 1=\"X\" />\r\n\t<2 Name=\"B\" />\r\n");
  EXPECT_EQ(ReadCategoryTree(workingDirectory_),
            (std::vector<CategoryNode>{{"0", {"1.X", "1.0"}}, {"B", {}}}));
}

TEST_F(BackupCategoriesTest, CountsAreBoundedByWhatTheFileHolds) {
  WriteCategories(
      "\t<Kategorien Kategorien=\"2000000000\" />\r\n"
      "\t<1 Name=\"A\" num=\"999999999\" 1=\"X\" />\r\n"
      "\t<2 Name=\"B\" num=\"zwei\" 1=\"X\" />\r\n");
  EXPECT_EQ(ReadCategoryTree(workingDirectory_),
            (std::vector<CategoryNode>{{"A", {"1.X", "1.0", "1.0"}}, {"B", {}}}));

  for (const char* count : {"-3", "viele", ""}) {
    SCOPED_TRACE(count);
    WriteCategories(std::string("\t<Kategorien Kategorien=\"") + count + "\" />\r\n\t<1 Name=\"A\" num=\"0\" />\r\n");
    EXPECT_TRUE(ReadCategoryTree(workingDirectory_).empty());
  }
}

TEST_F(BackupCategoriesTest, NamesThatCannotBeFoldersAreSkipped) {
  WriteCategories(
      "\t<Kategorien Kategorien=\"6\" />\r\n"
      "\t<1 Name=\"\" num=\"1\" 1=\"X\" />\r\n"
      "\t<2 Name=\".\" num=\"0\" />\r\n"
      "\t<3 Name=\"..\" num=\"0\" />\r\n"
      "\t<4 Name=\"a\\b\" num=\"0\" />\r\n"
      "\t<5 Name=\"a/b\" num=\"0\" />\r\n"
      "\t<6 Name=\"Gut\" num=\"5\" 1=\"..\" 2=\"\" 3=\"x\\..\\..\" 4=\"y/z\" 5=\"Fein\" />\r\n");
  EXPECT_EQ(ReadCategoryTree(workingDirectory_), (std::vector<CategoryNode>{{"Gut", {"6.Fein"}}}));

  const std::string backup = MakeFolder("Backup");
  for (const char* node : {"1.X", "2.X", "3.X", "4.X", "5.X", "6...", "6.", "6.x\\..\\..", "6.y/z"}) {
    EXPECT_FALSE(FolderOf(backup, node).has_value()) << node;
  }
  EXPECT_EQ(FolderOf(backup, "6.Fein"), backup + "\\Gut\\Fein\\");
}

TEST_F(BackupCategoriesTest, NodeTextsResolveToFoldersBelowTheBackupFolder) {
  WriteCategories(kTwoCategories);
  const std::string backup = Sys("Backup");
  struct Case {
    const char* node;
    std::optional<std::string> folder;
  };
  const Case cases[] = {
      {"1.X", backup + "\\A\\X\\"},
      {"A", std::nullopt},                      // a heading
      {"", std::nullopt},                       // no selection
      {"2011er", backup + "\\B\\2011er\\"},     // a name starting with a digit
      {"12.Z", backup + "\\A\\12.Z\\"},         // category 12 goes through category 1
      {"1.Alt1.Neu", backup + "\\A\\AltNeu\\"}, // every "1." is removed
      {"9.X", std::nullopt},                    // no such category
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOf(backup + "\\", c.node), c.folder) << c.node << ", backup folder as read";
    EXPECT_EQ(FolderOf(backup, c.node), c.folder) << c.node << ", backup folder as picked";
  }
}

TEST_F(BackupCategoriesTest, UnsetBackupFolderGivesNoFolder) {
  WriteCategories(kTwoCategories);
  for (const char* unset : {"", "0", "\\", "0\\"}) {
    EXPECT_FALSE(FolderOf(unset, "1.X").has_value()) << unset;
  }
}

}  // namespace
}  // namespace strohvik
