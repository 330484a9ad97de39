// Archives made by the real tools, and by our writer, read exactly as the tools read them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "tests/zip/zip_test_support.h"
#include "zip/entry_destination.h"
#include "zip/zip_reader.h"
#include "zip/zip_writer.h"

namespace strohvik::ziptest {
namespace {
namespace fs = std::filesystem;

// Bytes that do not compress, made the same way on every run.
std::string NoiseOf(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 2011;
  for (char& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::string TextOf(size_t lines) {
  std::string text;
  for (size_t i = 0; i < lines; ++i) text += "<fillType name=\"wheat\" index=\"" + std::to_string(i) + "\"/>\n";
  return text;
}

// Entry name to content; names ending in "/" are folders.
using Contents = std::map<std::string, std::string>;

const Contents& SourceTree() {
  static const Contents tree = {
      {"modDesc.xml", "<?xml version=\"1.0\"?>\n<modDesc descVersion=\"4\"/>\n"},
      {"store/", ""},
      {"store/pic.dds", NoiseOf(100 * 1024)},
      {"vehicle.xml", TextOf(4000)},
      {"empty.txt", ""},
      {"a folder/", ""},
      {"a folder/nested/", ""},
      {"a folder/nested/\xC3\xBCmlaut name.txt", "umlaut"},
      {"emptydir/", ""},
  };
  return tree;
}

struct Maker {
  const char* what;
  std::vector<std::string> command;  // run in the source folder; empty: our writer
  std::string input;
  Contents expected;
};

void PrintTo(const Maker& maker, std::ostream* out) { *out << maker.what; }

std::vector<Maker> Makers() {
  const Contents& tree = SourceTree();
  // Our writer stores names as bytes without the UTF-8 flag, which the tools show as
  // code page 437: its listing is compared on ASCII names.
  Contents files;
  for (const auto& [name, content] : tree) {
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
    if (name.back() != '/' && ascii) files[name] = content;
  }
  return {
      {"Info-ZIP deflated", {"zip", "-q", "-r", "-X", "../archive.zip", "."}, "", tree},
      {"Info-ZIP stored", {"zip", "-q", "-r", "-X", "-0", "../archive.zip", "."}, "", tree},
      {"Info-ZIP data descriptors", {"zip", "-q", "-r", "-X", "-fd", "../archive.zip", "."}, "", tree},
      {"Info-ZIP comment", {"zip", "-q", "-r", "-X", "-z", "../archive.zip", "."}, "Ein Kommentar PK\x05\x06 mit Signatur\n", tree},
      {"Info-ZIP streamed input", {"zip", "-q", "-fd", "../archive.zip", "-"}, "gestreamte Daten", {{"-", "gestreamte Daten"}}},
      {"7-Zip", {"7z", "a", "-tzip", "-bd", "../archive.zip", "."}, "", tree},
      {"ZipWriter", {}, "", files},
  };
}

class ConformanceTest : public ZipTest, public testing::WithParamInterface<Maker> {
 protected:
  void MakeSourceTree() const {
    for (const auto& [name, content] : SourceTree()) {
      if (name.back() == '/') {
        fs::create_directories(Host("src/" + name));
      } else {
        Write("src/" + name, content);
      }
    }
  }
  void WriteWithOurWriter(const Contents& files) const {
    ZipWriter writer;
    ASSERT_EQ(writer.OpenZip(Sys("archive.zip"), 0), 1);
    for (const auto& [name, content] : files) writer.AddFileToDest(Sys("src\\" + name), name, "");
    ASSERT_EQ(writer.getFileCount(), static_cast<int>(files.size()));
    writer.CloseZip("");
  }
  std::vector<std::string> ToolListing() const {
    std::istringstream lines(RunTool({"unzip", "-Z1", "archive.zip"}, root_).output);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) names.push_back(line);
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_P(ConformanceTest, ListsSizesCrcsAndContentsAsTheToolsDo) {
  const Maker& maker = GetParam();
  MakeSourceTree();
  if (maker.command.empty()) {
    WriteWithOurWriter(maker.expected);
    EXPECT_EQ(RunTool({"unzip", "-tqq", "archive.zip"}, root_).exitCode, 0);
    EXPECT_EQ(RunTool({"7z", "t", "archive.zip"}, root_).exitCode, 0);
  } else {
    ASSERT_EQ(RunTool(maker.command, Host("src"), maker.input).exitCode, 0);
  }

  ZipReader reader;
  ASSERT_EQ(reader.OpenZip(Sys("archive.zip")), 1);
  std::vector<std::string> listed;
  for (int i = 0; i < reader.getFileCount(); ++i) listed.push_back(reader.getFileInfo(i)->zipFileName);
  EXPECT_EQ(listed, ToolListing());
  std::vector<std::string> expectedNames;
  for (const auto& [name, content] : maker.expected) expectedNames.push_back(name);
  EXPECT_EQ(listed, expectedNames);

  for (const auto& [name, content] : maker.expected) {
    if (name.back() == '/') continue;
    const auto entry = reader.getFileInfoByName(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(entry->header.DataDescriptor.UncompressedSize, static_cast<int32_t>(content.size())) << name;
    EXPECT_EQ(static_cast<uint32_t>(entry->header.DataDescriptor.CRC32), Crc32(content)) << name;
    const auto stream = reader.ExtractFile(name, 1, "");
    ASSERT_NE(stream, nullptr) << name;
    std::string extracted;
    stream->ReadAll(extracted, 1 << 30);
    EXPECT_EQ(extracted, content) << name;
    const std::string destination = EntryDestination(Sys("out"), name);
    ASSERT_EQ(reader.ExtractFileToDisk(name, destination, 1, ""), 1) << name;
    EXPECT_EQ(Read("out/" + name), content) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Makers, ConformanceTest, testing::ValuesIn(Makers()),
                         [](const testing::TestParamInfo<Maker>& info) {
                           std::string name = info.param.what;
                           std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                           return name;
                         });

// ZIP64 is not read: an archive whose end record points to a ZIP64 directory gives no
// list, and nothing can be extracted from it. minizip itself opens it, so OpenZip gives 1.
TEST_F(ConformanceTest, Zip64ArchivesGiveNoListAndNoCrash) {
  MakeSourceTree();
  ASSERT_EQ(RunTool({"zip", "-q", "-r", "-X", "-fz", "../archive.zip", "."}, Host("src")).exitCode, 0);
  ZipReader reader;
  EXPECT_EQ(reader.OpenZip(Sys("archive.zip")), 1);
  EXPECT_EQ(reader.getFileCount(), 0);
  EXPECT_EQ(reader.ExtractFile("modDesc.xml", 1, ""), nullptr);
  EXPECT_EQ(reader.ExtractFileToDisk("modDesc.xml", Sys("modDesc.xml"), 1, ""), 0);
}

}  // namespace
}  // namespace strohvik::ziptest
