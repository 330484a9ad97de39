#include "settings/folder_value.h"

#include <gtest/gtest.h>

namespace strohvik {
namespace {

TEST(FolderValueTest, UnsetValuesNeverCountAsFolders) {
  for (const char* unset : {"", "0", "\\", "/", "\\\\", "0\\", "0/"}) {
    EXPECT_FALSE(IsFolderSet(unset)) << '"' << unset << '"';
  }
  for (const char* set : {"C:\\Mods\\", "C:\\Mods", "\\home\\mods", "00", "0\\x", "mods"}) {
    EXPECT_TRUE(IsFolderSet(set)) << '"' << set << '"';
  }
}

TEST(FolderValueTest, TrailingBackslashIsAddedOnceAndRemovedOnce) {
  EXPECT_EQ(WithTrailingBackslash("C:\\Mods"), "C:\\Mods\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\Mods\\"), "C:\\Mods\\");
  EXPECT_EQ(WithTrailingBackslash(""), "\\");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Mods\\"), "C:\\Mods");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Mods"), "C:\\Mods");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Mods\\\\"), "C:\\Mods\\");
}

}  // namespace
}  // namespace strohvik
