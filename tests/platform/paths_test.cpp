#include "platform/paths.h"

#include <gtest/gtest.h>

namespace strohvik {
namespace {

struct PathCase {
  const char* path;
  const char* folder;
  const char* file;
  const char* extension;
  const char* withoutExtension;
};

TEST(Paths, SplitsBothSeparatorsAlike) {
  const PathCase cases[] = {
      {"C:\\Mods\\tractor.zip", "C:\\Mods", "tractor.zip", "zip", "C:\\Mods\\tractor"},
      {"a/b\\c.tar.gz", "a/b", "c.tar.gz", "gz", "a/b\\c.tar"},
      {"mods\\", "mods", "", "", "mods\\"},
      {"noext", "", "noext", "", "noext"},
      {"dir.v2\\file", "dir.v2", "file", "", "dir.v2\\file"},
      {"store.", "", "store.", "", "store"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FolderPart(c.path), c.folder);
    EXPECT_EQ(FilePart(c.path), c.file);
    EXPECT_EQ(Extension(c.path), c.extension);
    EXPECT_EQ(WithoutExtension(c.path), c.withoutExtension);
  }
}

TEST(Paths, JoinPutsExactlyOneBackslashBetween) {
  EXPECT_EQ(JoinPath("C:\\Games", "LS.exe"), "C:\\Games\\LS.exe");
  EXPECT_EQ(JoinPath("C:\\Games\\", "LS.exe"), "C:\\Games\\LS.exe");
  EXPECT_EQ(JoinPath("C:\\Games/", "\\LS.exe"), "C:\\Games\\LS.exe");
  EXPECT_EQ(JoinPath("", "LS.exe"), "LS.exe");
  EXPECT_EQ(JoinPath("\\", "tmp"), "\\tmp") << "the root keeps its separator";
  EXPECT_EQ(JoinPath("/", "tmp"), "\\tmp");
}

}  // namespace
}  // namespace strohvik
