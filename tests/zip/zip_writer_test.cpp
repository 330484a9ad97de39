// Writing archives: entries join the list only when written, and every archive the
// writer leaves behind is one the real tools accept.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "tests/zip/zip_test_support.h"
#include "zip/zip_limits.h"
#include "zip/zip_reader.h"
#include "zip/zip_writer.h"

namespace strohvik::ziptest {
namespace {
namespace fs = std::filesystem;

class ZipWriterTest : public ZipTest {
 protected:
  // Lists the archive as the reader sees it, after the real tools tested it.
  std::vector<std::string> Verified(const std::string& archive) {
    EXPECT_EQ(RunTool({"unzip", "-tqq", archive}, root_).exitCode, 0) << archive;
    EXPECT_EQ(RunTool({"7z", "t", archive}, root_).exitCode, 0) << archive;
    ZipReader reader;
    EXPECT_EQ(reader.OpenZip(Sys(archive)), 1);
    std::vector<std::string> names;
    for (int i = 0; i < reader.getFileCount(); ++i) names.push_back(reader.getFileInfo(i)->zipFileName);
    return names;
  }
  StreamPtr Text(std::string& storage) {
    return TRamStream::Create(storage.data(), static_cast<int64_t>(storage.size()), true, false);
  }
};

TEST_F(ZipWriterTest, WritesFilesAndStreamsAsDeflatedEntries) {
  Write("a.txt", "alpha alpha alpha");
  std::string streamed = "from a stream";
  ZipWriter writer;
  ASSERT_EQ(writer.OpenZip(Sys("new.zip"), 0), 1);
  EXPECT_EQ(writer.AddFileToDest(Sys("a.txt"), "a.txt", ""), 0);
  EXPECT_EQ(writer.AddStream(Text(streamed), "b/c.txt", ""), 0);
  EXPECT_EQ(writer.getFileCount(), 2);
  EXPECT_EQ(writer.getFileInfo(1)->simpleFileName, "c.txt");
  EXPECT_EQ(writer.getFileInfo(1)->path, "b");
  EXPECT_EQ(writer.CloseZip(""), 0);
  EXPECT_EQ(writer.getFileCount(), 0);
  EXPECT_EQ(Verified("new.zip"), (std::vector<std::string>{"a.txt", "b/c.txt"}));

  ZipReader reader;
  reader.OpenZip(Sys("new.zip"));
  EXPECT_EQ(reader.getFileInfoByName("b/c.txt")->header.CompressionMethod, 8);
  std::string content;
  reader.ExtractFile("b/c.txt", 1, "")->ReadAll(content, 100);
  EXPECT_EQ(content, streamed);
  EXPECT_EQ(Read("a.txt"), "alpha alpha alpha") << "the source keeps its content";
}

TEST_F(ZipWriterTest, StampsEntriesWithTheSourceTime) {
  Write("a.txt", "alpha");
  std::tm local{};
  local.tm_year = 111, local.tm_mon = 9, local.tm_mday = 10, local.tm_hour = 13, local.tm_min = 7;
  local.tm_sec = 42, local.tm_isdst = -1;
  ASSERT_TRUE(SetFileTime(Sys("a.txt"), std::mktime(&local)));
  ZipWriter writer;
  writer.OpenZip(Sys("new.zip"), 0);
  writer.AddFileToDest(Sys("a.txt"), "a.txt", "");
  writer.CloseZip("");
  ZipReader reader;
  reader.OpenZip(Sys("new.zip"));
  const tm date = reader.getFileInfo(0)->header.LastModDateTime;
  EXPECT_EQ(date.tm_year, 2011);
  EXPECT_EQ(date.tm_mon, 10);
  EXPECT_EQ(date.tm_mday, 10);
  EXPECT_EQ(date.tm_hour, 13);
  EXPECT_EQ(date.tm_min, 7);
  EXPECT_EQ(date.tm_sec, 42);
}

TEST_F(ZipWriterTest, AddsNothingWithoutArchiveOrSource) {
  Write("a.txt", "alpha");
  ZipWriter writer;
  writer.AddFileToDest(Sys("a.txt"), "a.txt", "");
  EXPECT_EQ(writer.getFileCount(), 0);
  EXPECT_EQ(writer.OpenZip(Sys("missing\\folder\\new.zip"), 0), 0) << "an archive in a missing folder";
  ASSERT_EQ(writer.OpenZip(Sys("new.zip"), 0), 1);
  writer.AddFileToDest(Sys("missing.txt"), "missing.txt", "");
  writer.AddStream(nullptr, "null.txt", "");
  writer.AddFileToDest(Sys("a.txt"), "a.txt", "");
  EXPECT_EQ(writer.getFileCount(), 1);
  writer.CloseZip("");
  EXPECT_EQ(Verified("new.zip"), (std::vector<std::string>{"a.txt"}));
}

// This minizip sets the encryption flag without encrypting: no tool could read the entry.
TEST_F(ZipWriterTest, RefusesPasswordsAndKeepsTheArchiveSound) {
  Write("a.txt", "alpha");
  std::string streamed = "secret";
  ZipWriter writer;
  writer.OpenZip(Sys("new.zip"), 0);
  writer.AddFileToDest(Sys("a.txt"), "a.txt", "pw");
  writer.AddStream(Text(streamed), "s.txt", "pw");
  writer.AddFileToDest(Sys("a.txt"), "plain.txt", "");
  EXPECT_EQ(writer.getFileCount(), 1);
  writer.CloseZip("");
  EXPECT_EQ(Verified("new.zip"), (std::vector<std::string>{"plain.txt"}));
}

// Name and comment lengths are 16-bit fields: a name that does not fit is refused by
// minizip and so not listed; a comment that does not fit is cut to what the field holds.
TEST_F(ZipWriterTest, NamesAndCommentsBeyondSixteenBitLengths) {
  std::string streamed = "data";
  ZipWriter writer;
  writer.OpenZip(Sys("new.zip"), 0);
  writer.AddStream(Text(streamed), std::string(70'000, 'n'), "");
  writer.AddStream(Text(streamed), "ok.txt", "");
  EXPECT_EQ(writer.getFileCount(), 1);
  writer.CloseZip(std::string(70'000, 'c'));
  EXPECT_EQ(Verified("new.zip"), (std::vector<std::string>{"ok.txt"}));
  const std::string bytes = Read("new.zip");
  EXPECT_EQ(bytes.substr(bytes.size() - 0xFFFF - 2), "\xFF\xFF" + std::string(0xFFFF, 'c'));
}

TEST_F(ZipWriterTest, RefusesSourcesTooLargeForThirtyTwoBitSizes) {
  Write("huge.bin", "");
  fs::resize_file(Host("huge.bin"), kWriterSourceLimit);  // sparse: no disk is used
  Write("small.txt", "small");
  ZipWriter writer;
  writer.OpenZip(Sys("new.zip"), 0);
  writer.AddFileToDest(Sys("huge.bin"), "huge.bin", "");
  writer.AddFileToDest(Sys("small.txt"), "small.txt", "");
  EXPECT_EQ(writer.getFileCount(), 1);
  writer.CloseZip("");
  EXPECT_EQ(Verified("new.zip"), (std::vector<std::string>{"small.txt"}));
}

TEST_F(ZipWriterTest, AppendingKeepsEntriesEvenWhenTheWriterIsDroppedOpen) {
  Write("a.txt", "alpha");
  Write("b.txt", "beta");
  {
    ZipWriter writer;
    writer.OpenZip(Sys("mod.zip"), 0);
    writer.AddFileToDest(Sys("a.txt"), "a.txt", "");
    writer.CloseZip("the comment");
  }
  {
    ZipWriter writer;
    ASSERT_EQ(writer.OpenZip(Sys("mod.zip"), 1), 1);
    EXPECT_EQ(writer.getFileCount(), 1) << "the existing directory is read";
    writer.AddFileToDest(Sys("b.txt"), "b.txt", "");
  }
  EXPECT_EQ(Verified("mod.zip"), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_NE(RunTool({"unzip", "-z", "mod.zip"}, root_).output.find("the comment"), std::string::npos);
}

}  // namespace
}  // namespace strohvik::ziptest
