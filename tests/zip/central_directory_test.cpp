// The central directory reader: listing, sorting, lookup, and hostile directories.

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/debug_log.h"
#include "tests/zip/zip_test_support.h"
#include "platform/file_stream.h"
#include "zip/zip_file.h"

namespace strohvik::ziptest {
namespace {

class CentralDirectoryTest : public ZipTest {
 protected:
  // Lists the archive's bytes as readFileList does, watching the debug log.
  std::vector<std::string> List(const std::string& bytes) {
    Write("archive.zip", bytes);
    ScopedDebugLogSink sink([this](const std::string& message) { log_.push_back(message); });
    archive_.setName(Sys("archive.zip"));
    archive_.readFileList();
    std::vector<std::string> names;
    for (int i = 0; i < archive_.getFileCount(); ++i) names.push_back(archive_.getFileInfo(i)->zipFileName);
    return names;
  }

  ZipFile archive_;
  std::vector<std::string> log_;
};

const std::vector<FixtureEntry> kThreeEntries = {FixtureEntry("b.txt", "bee"), FixtureEntry("A.txt", "ay"),
                                                  FixtureEntry("a/c.dds", "sea")};

TEST_F(CentralDirectoryTest, ListsSortedByBytesWithNameFields) {
  EXPECT_EQ(List(BuildZip(kThreeEntries).bytes), (std::vector<std::string>{"A.txt", "a/c.dds", "b.txt"}));
  const auto nested = archive_.getFileInfoByName("a/c.dds");
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(nested->simpleFileName, "a/c.dds");
  EXPECT_EQ(nested->path, "a");
  EXPECT_EQ(nested->header.DataDescriptor.UncompressedSize, 3);
  EXPECT_EQ(archive_.getFileInfoByName("A.txt")->path, "");
  EXPECT_EQ(archive_.getFileInfoByName("a.txt"), nullptr) << "lookup keeps letter case";
  EXPECT_EQ(archive_.getFileInfoByName("c.dds"), nullptr) << "lookup keeps the path";
}

TEST_F(CentralDirectoryTest, BytesAboveAsciiSortAfterIt) {
  EXPECT_EQ(List(BuildZip({FixtureEntry("\xE4.txt"), FixtureEntry("z.txt"), FixtureEntry("\xC4.txt")}).bytes),
            (std::vector<std::string>{"z.txt", "\xC4.txt", "\xE4.txt"}));
  EXPECT_NE(archive_.getFileInfoByName("\xE4.txt"), nullptr);
}

TEST_F(CentralDirectoryTest, EqualNamesKeepDirectoryOrderAndLookupFindsTheFirst) {
  List(BuildZip({FixtureEntry("x", "first"), FixtureEntry("a"), FixtureEntry("x", "second!")}).bytes);
  ASSERT_EQ(archive_.getFileCount(), 3);
  EXPECT_EQ(archive_.getFileInfo(1)->header.DataDescriptor.UncompressedSize, 5);
  EXPECT_EQ(archive_.getFileInfo(2)->header.DataDescriptor.UncompressedSize, 7);
  EXPECT_EQ(archive_.getFileInfoByName("x")->header.DataDescriptor.UncompressedSize, 5);
}

TEST_F(CentralDirectoryTest, IgnoringCaseAndPathsFoldsNamesAndKeys) {
  Write("archive.zip", BuildZip({FixtureEntry("Dir\\Sub/\xC4PFEL.TXT", "x"), FixtureEntry("B.txt", "y")}).bytes);
  const auto list = TZipFileList::Create(TFileStream::Open(Sys("archive.zip"), true, false), 1, 1);
  ASSERT_NE(list, nullptr);
  const auto entry = list->findFile("OTHER/\xC4pfel.txt");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->zipFileName, "dir\\sub/\xE4pfel.txt");
  EXPECT_EQ(entry->simpleFileName, "\xE4pfel.txt");
  EXPECT_EQ(entry->path, "dir/sub");
  EXPECT_EQ(TZipFileList::Create(nullptr, 0, 0), nullptr);
}

TEST_F(CentralDirectoryTest, DecodesDosDateAndRecognisesDirectories) {
  List(BuildZip({FixtureEntry("d/").Attributes(0x10), FixtureEntry("e/").Attributes(0x41ED0010),
                 FixtureEntry("f").DosTime((13 << 11) | (7 << 5) | 21)})
           .bytes);
  EXPECT_TRUE(archive_.getFileInfoByName("d/")->IsDirectory());
  EXPECT_FALSE(archive_.getFileInfoByName("e/")->IsDirectory()) << "other attribute bits make it a file";
  const tm date = archive_.getFileInfoByName("f")->header.LastModDateTime;
  EXPECT_EQ(date.tm_mday, 10);
  EXPECT_EQ(date.tm_mon, 10);
  EXPECT_EQ(date.tm_year, 2011);
  EXPECT_EQ(date.tm_hour, 13);
  EXPECT_EQ(date.tm_min, 7);
  EXPECT_EQ(date.tm_sec, 42);
}

TEST_F(CentralDirectoryTest, InvalidIndexRaisesWithTheIndex) {
  List(BuildZip(kThreeEntries).bytes);
  for (int index : {-1, 3}) {
    try {
      archive_.getFileInfo(index);
      ADD_FAILURE() << index;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()), "TZipReader.getFileInfo(): Invalid index " + std::to_string(index));
    }
  }
  archive_.clearFileList();
  EXPECT_THROW(archive_.getFileInfo(0), std::runtime_error);
}

TEST_F(CentralDirectoryTest, PlainTextAndEmptyFilesGiveNoList) {
  EXPECT_TRUE(List("just some text, not an archive at all").empty());
  EXPECT_EQ(log_, (std::vector<std::string>{"Invalid ZIP file!"}));
  EXPECT_TRUE(List("").empty());
  archive_.setName(Sys("missing.zip"));
  archive_.readFileList();
  EXPECT_EQ(archive_.getFileCount(), 0);
}

// End records that name no directory the file can hold: the Part's reader read past the
// end or trusted the offset.
TEST_F(CentralDirectoryTest, RefusesEndRecordsWithoutRoomOrPlausibleOffset) {
  const BuiltZip sound = BuildZip({FixtureEntry("a.txt", "hello")});
  const std::string local = sound.bytes.substr(0, sound.directoryOffset);
  const std::string directory = sound.bytes.substr(sound.directoryOffset, sound.endRecordOffset - sound.directoryOffset);
  const uint32_t size = static_cast<uint32_t>(directory.size());
  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"under 22 bytes", std::string("PK\3\4", 4) + "\x50\x4B\x05\x06" + std::string(8, '\0')},
      {"signature in the last 20 bytes", local + directory + EndRecord(uint32_t(local.size()), 1, size, 0).substr(0, 20)},
      {"negative offset", local + directory + EndRecord(0x80000000u, 1, size, 0)},
      {"ZIP64 marker", local + directory + EndRecord(0xFFFFFFFFu, 1, size, 0)},
      {"offset beyond the end", local + directory + EndRecord(0x00100000u, 1, size, 0)},
      {"offset into the end record", local + directory + EndRecord(uint32_t(local.size() + size - 10), 1, size, 0)},
      {"offset zero", local + directory + EndRecord(0, 1, size, 0)},
  };
  for (const auto& c : cases) {
    log_.clear();
    EXPECT_TRUE(List(c.bytes).empty()) << c.what;
    EXPECT_EQ(log_, (std::vector<std::string>{"unable to locate central directory!"})) << c.what;
  }
}

TEST_F(CentralDirectoryTest, CommentHidingAnEndRecordDoesNotMislead) {
  const BuiltZip sound = BuildZip(kThreeEntries);
  // A comment that holds an end record pointing at the second local header (30 + 5 + 3
  // bytes in): the last signature in the file, which a last-one-wins search would take.
  const std::string fake = EndRecord(38, 1, 0, 0);
  std::string bytes = BuildZip(kThreeEntries, "note " + fake + " end").bytes;
  EXPECT_EQ(List(bytes).size(), 3u);

  // A fake whose comment length reaches the end of the file is taken, as the last record.
  const std::string comment = "x" + EndRecord(uint32_t(sound.headerOffsets[2]), 1, 0, 0);
  bytes = BuildZip(kThreeEntries, comment).bytes;
  EXPECT_EQ(List(bytes), (std::vector<std::string>{"a/c.dds"}));

  // When no record checks out, the last one is taken as before: its offset leads to no
  // central header, so the list is empty but the scan has not failed.
  bytes = sound.bytes.substr(0, sound.directoryOffset) + EndRecord(38, 1, 0, 0) + "trailing bytes";
  log_.clear();
  EXPECT_TRUE(List(bytes).empty());
  EXPECT_TRUE(log_.empty());
}

TEST_F(CentralDirectoryTest, LongestCommentIsSearched) {
  EXPECT_EQ(List(BuildZip(kThreeEntries, std::string(0xFFFF, 'c')).bytes).size(), 3u);
}

// A header whose name, extra field or comment runs past the end: the entries before it stay.
TEST_F(CentralDirectoryTest, HeaderCutOffKeepsEntriesReadSoFar) {
  const BuiltZip sound = BuildZip(kThreeEntries);
  for (size_t field : {28u, 30u, 32u}) {
    std::string bytes = sound.bytes;
    PutShort(bytes, sound.headerOffsets[2] + field, 0xFFFF);
    EXPECT_EQ(List(bytes), (std::vector<std::string>{"A.txt", "b.txt"})) << "field at " << field;
  }
  std::string cut = sound.bytes.substr(0, sound.headerOffsets[1] + 30);
  cut += EndRecord(uint32_t(sound.directoryOffset), 3, 0, 0);
  EXPECT_EQ(List(cut), (std::vector<std::string>{"b.txt"})) << "fixed part of a header cut off";
}

}  // namespace
}  // namespace strohvik::ziptest
