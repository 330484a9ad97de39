#include "mods/folder_listing.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/settings_file.h"
#include "tests/settings/settings_test_support.h"

namespace strohvik {
namespace {

using FolderListingTest = SettingsTest;

std::set<std::string> NamesOf(const FolderListing& listing) {
  return {listing.archiveNames.begin(), listing.archiveNames.end()};
}

TEST_F(FolderListingTest, ListsWhatEndsExactlyInZip) {
  WriteFile("Mods\\a.zip", "");
  WriteFile("Mods\\b.txt", "");
  WriteFile("Mods\\c.ZIP", "");
  WriteFile("Mods\\e.zip.bak", "");
  MakeFolder("Mods\\d.zip");
  WriteFile("Mods\\sub\\inner.zip", "");
  const std::string mods = Sys("Mods");

  const FolderListing listing = FillFolderTree(mods + "\\");
  EXPECT_EQ(NamesOf(listing), (std::set<std::string>{"a.zip", "d.zip"}));
  EXPECT_EQ(listing.archiveNames.size(), 2u);
  EXPECT_EQ(listing.treeFolder, mods + "\\");
  EXPECT_FALSE(listing.status.has_value());
}

TEST_F(FolderListingTest, TheTreeFolderIsTheFolderPartOfThePath) {
  WriteFile("Mods\\x.zip", "");
  WriteFile("y.zip", "");
  const std::string mods = Sys("Mods");

  const FolderListing fromArchive = FillFolderTree(mods + "\\x.zip");
  EXPECT_EQ(fromArchive.treeFolder, mods + "\\");
  EXPECT_EQ(NamesOf(fromArchive), (std::set<std::string>{"x.zip"}));

  // Without the trailing "\" the path names an entry of its parent, which is listed.
  EXPECT_EQ(NamesOf(FillFolderTree(mods)), (std::set<std::string>{"y.zip"}));

  std::string slashed = mods + "/";
  EXPECT_EQ(FillFolderTree(slashed).treeFolder, mods + "\\");
}

TEST_F(FolderListingTest, UnsetFolderListsNothingAndSaysSo) {
  for (const char* unset : {"", "0", "\\", "0\\", "\\\\"}) {
    SCOPED_TRACE(unset);
    const FolderListing listing = FillFolderTree(unset);
    EXPECT_TRUE(listing.archiveNames.empty());
    EXPECT_EQ(listing.treeFolder, "");
    EXPECT_EQ(listing.status, kFolderNotSetStatus);
  }
}

TEST_F(FolderListingTest, MissingFolderListsNothingSilently) {
  const FolderListing listing = FillFolderTree(Sys("gone") + "\\");
  EXPECT_TRUE(listing.archiveNames.empty());
  EXPECT_EQ(listing.treeFolder, Sys("gone") + "\\");
  EXPECT_FALSE(listing.status.has_value());
}

TEST_F(FolderListingTest, Utf8FolderRoundTripsThroughTheSettingsAndLists) {
  const std::string name = "Mods \xC3\x84rger \xC3\xBC\xC3\x9F \xE2\x82\xAC";
  WriteFile(name + "\\Sch\xC3\xA4" "fer.zip", "");
  const std::string folder = MakeFolder(name);
  ASSERT_TRUE(WriteSettingsFile(workingDirectory_, {folder, folder, folder}));
  const SettingsValues values = LoadSettings(workingDirectory_);
  EXPECT_EQ(values.modsFolder, folder + "\\");
  const FolderListing listing = FillFolderTree(values.modsFolder);
  EXPECT_EQ(listing.treeFolder, folder + "\\");
  EXPECT_EQ(NamesOf(listing), (std::set<std::string>{"Sch\xC3\xA4" "fer.zip"}));
}

TEST_F(FolderListingTest, DoubleClickLoadsArchivesOfTheTreeFolderOnly) {
  const std::string mods = Sys("Mods") + "\\";
  const auto archive = ArchiveOfNode(mods, "Traktor.zip");
  ASSERT_TRUE(archive.has_value());
  EXPECT_EQ(archive->modPath, mods + "Traktor.zip");
  EXPECT_EQ(archive->loadPath, mods + "Traktor.zip");

  for (const char* other : {"1.Traktoren", "Traktor.ZIP", "Traktoren", ""}) {
    EXPECT_FALSE(ArchiveOfNode(mods, other).has_value()) << other;
  }
  EXPECT_FALSE(ArchiveOfNode("", "Traktor.zip").has_value());
}

}  // namespace
}  // namespace strohvik
