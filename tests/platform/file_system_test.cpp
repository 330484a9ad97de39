#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>

#include "tests/test_folder.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

class FileSystemTest : public testing::Test {
 protected:
  // The system's own form of a path below the test folder.
  std::string Sys(const std::string& relative) const { return root_.string() + "\\" + relative; }
  void Write(const std::string& relative, const std::string& content) const {
    std::ofstream(root_ / relative, std::ios::binary) << content;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  TestFolder folder_{"fs"};
  fs::path root_ = folder_.Path();
};

TEST_F(FileSystemTest, KindsSizesAndListing) {
  Write("b.zip", "12345");
  Write("Ä-umlaut.zip", "");
  fs::create_directories(root_ / "sub");
  EXPECT_EQ(KindOf(Sys("b.zip")), FileKind::File);
  EXPECT_EQ(KindOf(Sys("sub")), FileKind::Folder);
  EXPECT_EQ(KindOf(Sys("none")), FileKind::None);
  EXPECT_EQ(KindOf(""), FileKind::None);
  EXPECT_EQ(FileSize(Sys("b.zip")), 5);
  EXPECT_EQ(FileSize(Sys("sub")), -1);
  EXPECT_EQ(ListFolder(root_.string()), (std::vector<std::string>{"b.zip", "sub", "Ä-umlaut.zip"}));
  EXPECT_TRUE(ListFolder(Sys("none")).empty());
}

TEST_F(FileSystemTest, CreatesFolderChains) {
  EXPECT_TRUE(CreateFolderWithParents(Sys("x\\y/z")));
  EXPECT_TRUE(fs::is_directory(root_ / "x/y/z"));
  EXPECT_TRUE(CreateFolderWithParents(Sys("x")));
  Write("file", "");
  EXPECT_FALSE(CreateFolderWithParents(Sys("file\\below")));
}

TEST_F(FileSystemTest, CopyReplacesTargetAndRefusesItself) {
  Write("source.zip", "new content");
  Write("target.zip", "old");
  EXPECT_TRUE(CopyFileReplacing(Sys("source.zip"), Sys("target.zip"), Durability::Durable));
  EXPECT_EQ(Read("target.zip"), "new content");
  EXPECT_FALSE(CopyFileReplacing(Sys("source.zip"), Sys("./source.zip"), Durability::Durable));
  EXPECT_EQ(Read("source.zip"), "new content") << "a copy onto itself must not truncate";
  EXPECT_FALSE(CopyFileReplacing(Sys("source.zip"), Sys("missing\\target.zip"), Durability::Durable));
  EXPECT_FALSE(CopyFileReplacing(Sys("absent.zip"), Sys("target.zip"), Durability::Durable));
  EXPECT_EQ(Read("target.zip"), "new content");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 2) << "no temporary left";
}

TEST_F(FileSystemTest, DeleteRemovesOnlyFiles) {
  Write("mod.zip", "x");
  fs::create_directories(root_ / "folder");
  EXPECT_FALSE(DeleteFile(Sys("folder")));
  EXPECT_TRUE(fs::exists(root_ / "folder"));
  EXPECT_TRUE(DeleteFile(Sys("mod.zip")));
  EXPECT_FALSE(DeleteFile(Sys("mod.zip")));
}

TEST_F(FileSystemTest, AtomicFileLeavesTargetUntilCommit) {
  Write("settings.xml", "old");
  {
    auto file = AtomicFile::Create(Sys("settings.xml"), Durability::Durable);
    ASSERT_NE(file, nullptr);
    file->Stream().WriteBytes("half", 4);
  }
  EXPECT_EQ(Read("settings.xml"), "old");
  EXPECT_TRUE(WriteFileAtomically(Sys("settings.xml"), "new", Durability::Durable));
  EXPECT_EQ(Read("settings.xml"), "new");
  EXPECT_FALSE(WriteFileAtomically(Sys("missing\\settings.xml"), "new", Durability::Durable));
  EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
}

TEST(CurrentDirectory, UsesBackslashes) {
  std::string expected = fs::current_path().string();
  std::replace(expected.begin(), expected.end(), '/', '\\');
  EXPECT_EQ(CurrentDirectory(), expected);
}

}  // namespace
}  // namespace strohvik
