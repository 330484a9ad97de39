// Extraction into memory and onto disk, and every way a hostile entry must fail.

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "platform/file_system.h"
#include "tests/platform/file_size_limit.h"
#include "tests/zip/zip_test_support.h"
#include "zip/zip_limits.h"
#include "zip/zip_ram_stream.h"
#include "zip/zip_reader.h"

namespace strohvik::ziptest {
namespace {
namespace fs = std::filesystem;

constexpr uint16_t kTime = (13 << 11) | (7 << 5) | 21;  // 13:07:42

std::string Content(const std::shared_ptr<TRamStream>& stream) {
  std::string text;
  stream->ReadAll(text, 1 << 30);
  return text;
}

class ZipReaderTest : public ZipTest {
 protected:
  void Open(const std::vector<FixtureEntry>& entries) {
    Write("archive.zip", BuildZip(entries).bytes);
    ASSERT_EQ(reader_.OpenZip(Sys("archive.zip")), 1);
  }
  ZipReader reader_;
};

TEST_F(ZipReaderTest, MissingOrForeignFilesDoNotOpen) {
  EXPECT_EQ(reader_.OpenZip(Sys("missing.zip")), 0);
  Write("text.zip", "no archive here, only text long enough to hold an end record");
  EXPECT_EQ(reader_.OpenZip(Sys("text.zip")), 0);
  EXPECT_EQ(reader_.getFileCount(), 0);
  EXPECT_EQ(reader_.ExtractFile("x", 0, ""), nullptr);
}

// minizip alone takes the last signature in the file and refuses the archive.
TEST_F(ZipReaderTest, ExtractsFromArchivesWhoseCommentHoldsAnEndRecord) {
  Write("archive.zip", BuildZip({FixtureEntry("a.txt", "alpha", 8)}, "see " + EndRecord(1, 1, 0, 0) + "!").bytes);
  ASSERT_EQ(reader_.OpenZip(Sys("archive.zip")), 1);
  EXPECT_EQ(Content(reader_.ExtractFile("a.txt", 1, "")), "alpha");
}

TEST_F(ZipReaderTest, ExtractsIntoMemoryWithOrWithoutLetterCase) {
  Open({FixtureEntry("ModDesc.xml", "<modDesc/>", 8), FixtureEntry("empty.txt")});
  EXPECT_EQ(Content(reader_.ExtractFile("ModDesc.xml", 1, "")), "<modDesc/>");
  EXPECT_EQ(Content(reader_.ExtractFile("moddesc.XML", 0, "")), "<modDesc/>");
  EXPECT_EQ(reader_.ExtractFile("moddesc.XML", 1, ""), nullptr);
  const auto empty = reader_.ExtractFile("empty.txt", 1, "");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->Size(), 0);
}

TEST_F(ZipReaderTest, ExtractsToDiskThroughMissingFoldersWithEntryTime) {
  Open({FixtureEntry("a.txt", "alpha", 8).DosTime(kTime)});
  EXPECT_EQ(reader_.ExtractFileToDisk("a.txt", Sys("out\\x\\y\\a.txt"), 1, ""), 1);
  EXPECT_EQ(Read("out/x/y/a.txt"), "alpha");
  std::tm expected{};
  expected.tm_year = 111, expected.tm_mon = 9, expected.tm_mday = 10;
  expected.tm_hour = 13, expected.tm_min = 7, expected.tm_sec = 42, expected.tm_isdst = -1;
  EXPECT_EQ(ModificationTime(Sys("out/x/y/a.txt")), std::mktime(&expected));
  EXPECT_EQ(FilesBelow("out/x/y"), (std::vector<std::string>{"a.txt"})) << "no temporary file stays";
}

TEST_F(ZipReaderTest, DirectoryEntriesCreateFoldersAndLeaveExistingOnes) {
  Open({FixtureEntry("d/").Attributes(0x10)});
  fs::create_directories(Host("existing"));
  const std::time_t before = ModificationTime(Sys("existing"));
  EXPECT_EQ(reader_.ExtractFileToDisk("d/", Sys("existing"), 1, ""), 1);
  EXPECT_EQ(ModificationTime(Sys("existing")), before);
  EXPECT_EQ(reader_.ExtractFileToDisk("d/", Sys("new\\d"), 1, ""), 1);
  EXPECT_TRUE(fs::is_directory(Host("new/d")));
  Write("file", "");
  EXPECT_EQ(reader_.ExtractFileToDisk("d/", Sys("file\\d"), 1, ""), 0);
}

TEST_F(ZipReaderTest, CloseForgetsTheArchive) {
  Open({FixtureEntry("a.txt", "alpha")});
  EXPECT_EQ(reader_.getFileCount(), 1);
  EXPECT_EQ(reader_.CloseZip(), 0);
  EXPECT_EQ(reader_.getFileCount(), 0);
  EXPECT_EQ(reader_.getName(), "");
  EXPECT_EQ(reader_.CloseZip(), 0);
  EXPECT_EQ(reader_.ExtractFileToDisk("a.txt", Sys("a.txt"), 1, ""), 0);
  EXPECT_FALSE(fs::exists(Host("a.txt")));
}

// Each entry must fail in memory and on disk, and leave the old destination, no
// temporary file and no new folder behind.
TEST_F(ZipReaderTest, HostileEntriesFailAndLeaveNothing) {
  const std::string text = "the quick brown fox jumps over the lazy dog";
  const std::string zeros(1 << 20, '\0');
  struct Case {
    const char* what;
    FixtureEntry entry;
  };
  const std::vector<Case> cases = {
      {"wrong CRC", FixtureEntry("e", text, 8).Crc(0x12345678)},
      {"declared size above what inflate yields", FixtureEntry("e", text, 8).UncompressedSize(100)},
      {"inflate yields more than declared", FixtureEntry("e", zeros, 8).UncompressedSize(1000)},
      {"declared size no deflate can reach", FixtureEntry("e", "abc", 8).UncompressedSize(100'000'000)},
      {"stored size larger than its data", FixtureEntry("e", text).UncompressedSize(1000)},
      {"negative size", FixtureEntry("e", text).UncompressedSize(0x80000000u)},
      {"compressed size past the end", FixtureEntry("e", text).CompressedSize(0x7FFFFFFF)},
      {"local header past the end", FixtureEntry("e", text).LocalHeaderOffset(0x7FFFFFF0)},
      {"negative local header offset", FixtureEntry("e", text).LocalHeaderOffset(0x80000000u)},
      {"encrypted", FixtureEntry("e", text).Flags(1)},
      {"bzip2", FixtureEntry("e", text, 12)},
      {"LZMA", FixtureEntry("e", text, 14)},
      {"AES", FixtureEntry("e", text, 99)},
  };
  for (const auto& c : cases) {
    Open({FixtureEntry("a.txt", "fine"), c.entry});
    Write("out/keep", "old");
    EXPECT_EQ(reader_.ExtractFile("e", 1, ""), nullptr) << c.what;
    EXPECT_EQ(reader_.ExtractFileToDisk("e", Sys("out\\keep"), 1, ""), 0) << c.what;
    EXPECT_EQ(reader_.ExtractFileToDisk("e", Sys("new\\deep\\e"), 1, ""), 0) << c.what;
    EXPECT_EQ(Read("out/keep"), "old") << c.what;
    EXPECT_EQ(FilesBelow("out"), (std::vector<std::string>{"keep"})) << c.what;
    EXPECT_FALSE(fs::exists(Host("new"))) << c.what;
    EXPECT_EQ(Content(reader_.ExtractFile("a.txt", 1, "")), "fine") << "the archive stays usable after " << c.what;
  }
}

TEST_F(ZipReaderTest, PasswordsFailBecauseDecryptionIsMissing) {
  Open({FixtureEntry("a.txt", "alpha")});
  EXPECT_EQ(reader_.ExtractFile("a.txt", 1, "secret"), nullptr);
  EXPECT_EQ(reader_.ExtractFileToDisk("a.txt", Sys("a.txt"), 1, "secret"), 0);
  EXPECT_FALSE(fs::exists(Host("a.txt")));
}

TEST_F(ZipReaderTest, ExtractLimitIsACap) {
  Open({FixtureEntry("ten", "0123456789", 8), FixtureEntry("eleven", "0123456789A", 8)});
  reader_.SetExtractLimit(10);
  EXPECT_NE(reader_.ExtractFile("ten", 1, ""), nullptr);
  EXPECT_EQ(reader_.ExtractFile("eleven", 1, ""), nullptr);
  EXPECT_EQ(reader_.ExtractFileToDisk("eleven", Sys("eleven"), 1, ""), 0);
}

TEST_F(ZipReaderTest, NameNotInListCreatesNothing) {
  Open({FixtureEntry("a.txt", "alpha")});
  EXPECT_EQ(reader_.ExtractFileToDisk("b.txt", Sys("out\\b.txt"), 1, ""), 0);
  EXPECT_FALSE(fs::exists(Host("out")));
}

// minizip's search ignoring case would pick the first sibling in the directory.
TEST_F(ZipReaderTest, ExtractsTheListedEntryNotASiblingInOtherCase) {
  Open({FixtureEntry("Readme.txt", "first"), FixtureEntry("README.TXT", "second")});
  EXPECT_EQ(reader_.ExtractFileToDisk("README.TXT", Sys("r.txt"), 0, ""), 1);
  EXPECT_EQ(Read("r.txt"), "second");
  EXPECT_EQ(Content(reader_.ExtractFile("Readme.txt", 0, "")), "first");
}

// minizip's search refuses names of 256 bytes or more.
TEST_F(ZipReaderTest, ExtractsEntriesWithLongNames) {
  const std::string name = std::string(150, 'd') + "/" + std::string(150, 'f');
  Open({FixtureEntry(name, "long", 8)});
  EXPECT_EQ(Content(reader_.ExtractFile(name, 1, "")), "long");
  EXPECT_EQ(reader_.ExtractFileToDisk(name, Sys("long.txt"), 1, ""), 1);
}

TEST_F(ZipReaderTest, InvalidDosDatesLeaveTheFileTimeAlone) {
  const std::vector<std::pair<const char*, FixtureEntry>> cases = {
      {"month 13", FixtureEntry("e", "x").DosDate((31 << 9) | (13 << 5) | 10)},
      {"day 0", FixtureEntry("e", "x").DosDate((31 << 9) | (10 << 5) | 0)},
      {"30 February", FixtureEntry("e", "x").DosDate((31 << 9) | (2 << 5) | 30)},
      {"second 62", FixtureEntry("e", "x").DosTime(31)},
      {"hour 25", FixtureEntry("e", "x").DosTime(25 << 11)},
  };
  for (const auto& [what, entry] : cases) {
    Open({entry});
    const std::time_t before = std::time(nullptr);
    EXPECT_EQ(reader_.ExtractFileToDisk("e", Sys("e"), 1, ""), 1) << what;
    EXPECT_GE(ModificationTime(Sys("e")), before - 5) << what;
  }
}

TEST_F(ZipReaderTest, DestinationsThatCannotBeWrittenFail) {
  Open({FixtureEntry("a.txt", "alpha")});
  Write("blocker", "x");
  fs::create_directories(Host("folder"));
  EXPECT_EQ(reader_.ExtractFileToDisk("a.txt", Sys("blocker\\a.txt"), 1, ""), 0);
  EXPECT_EQ(reader_.ExtractFileToDisk("a.txt", Sys("folder"), 1, ""), 0);
  EXPECT_EQ(Read("blocker"), "x");
  EXPECT_TRUE(fs::is_empty(Host("folder")));
}

TEST_F(ZipReaderTest, AWriteFailingHalfwayLeavesTheOldDestination) {
  Open({FixtureEntry("big.bin", std::string(100'000, 'x'), 8)});
  Write("big.bin", "old");
  int result = 1;
  {
    const ScopedFileSizeLimit limit(4096);
    result = reader_.ExtractFileToDisk("big.bin", Sys("big.bin"), 1, "");
  }
  EXPECT_EQ(result, 0);
  EXPECT_EQ(Read("big.bin"), "old");
  EXPECT_EQ(FilesBelow(), (std::vector<std::string>{"archive.zip", "big.bin"})) << "no temporary file stays";
}

TEST(ZipRamStreamTest, RefusesNegativeAndOversizedBlocks) {
  EXPECT_EQ(ZipRamStream::ZCreate(-1, true, false), nullptr);
  EXPECT_EQ(ZipRamStream::ZCreate(kZipRamStreamLimit + 1, true, false), nullptr);
  const auto stream = ZipRamStream::ZCreate(3, true, false);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(stream->Size(), 3);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(stream->Data()), 3), std::string(3, '\0'));
  EXPECT_THROW(stream->Write("x", 1), StreamError);
}

}  // namespace
}  // namespace strohvik::ziptest
