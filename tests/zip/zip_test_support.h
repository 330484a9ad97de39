#pragma once
// Shared by the zip tests: a fresh folder per test, hand-made archives whose every field
// can be set to a hostile value, and running the real archive tools without a shell.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/test_folder.h"

namespace strohvik::ziptest {

// One entry of a hand-made archive. The overrides go into both the local and the central
// header, so minizip's consistency check passes and the lie reaches the reader.
struct FixtureEntry {
  explicit FixtureEntry(std::string entryName, std::string entryData = "", uint16_t entryMethod = 0)
      : name(std::move(entryName)), data(std::move(entryData)), method(entryMethod) {}
  FixtureEntry& Flags(uint16_t value) { flags = value; return *this; }
  FixtureEntry& Attributes(int32_t value) { externalAttributes = value; return *this; }
  FixtureEntry& DosTime(uint16_t value) { dosTime = value; return *this; }
  FixtureEntry& DosDate(uint16_t value) { dosDate = value; return *this; }
  FixtureEntry& Crc(uint32_t value) { crc = value; return *this; }
  FixtureEntry& CompressedSize(uint32_t value) { compressedSize = value; return *this; }
  FixtureEntry& UncompressedSize(uint32_t value) { uncompressedSize = value; return *this; }
  // Where the central header says the local header is; the real place by default.
  FixtureEntry& LocalHeaderOffset(uint32_t value) { localHeaderOffset = value; return *this; }
  // The bytes stored in place of the compressed data, for damaged streams.
  FixtureEntry& Compressed(std::string value) { compressed = std::move(value); return *this; }

  std::string name;
  std::string data;
  uint16_t method;  // 0 stored, 8 deflated; anything else is stored under that number
  uint16_t flags = 0;
  int32_t externalAttributes = 0;
  uint16_t dosTime = 0;
  uint16_t dosDate = (31 << 9) | (10 << 5) | 10;  // 10 October 2011
  std::optional<uint32_t> crc;
  std::optional<uint32_t> compressedSize;
  std::optional<uint32_t> uncompressedSize;
  std::optional<uint32_t> localHeaderOffset;
  std::optional<std::string> compressed;
};

struct BuiltZip {
  std::string bytes;
  size_t directoryOffset = 0;
  size_t endRecordOffset = 0;
  std::vector<size_t> headerOffsets;  // of each central header, in directory order
};

BuiltZip BuildZip(const std::vector<FixtureEntry>& entries, const std::string& comment = "");
// A 22-byte end record.
std::string EndRecord(uint32_t directoryOffset, uint16_t entryCount, uint32_t directorySize, uint16_t commentLength);
std::string RawDeflate(const std::string& data);
uint32_t Crc32(const std::string& data);
void PutShort(std::string& bytes, size_t at, uint16_t value);
void PutInt(std::string& bytes, size_t at, uint32_t value);

struct ToolResult {
  int exitCode = -1;
  std::string output;  // standard output
};
// Runs a program found in PATH with the given arguments, feeding input to its standard
// input; no shell is involved.
ToolResult RunTool(const std::vector<std::string>& arguments, const std::filesystem::path& workingDirectory,
                   const std::string& input = "");

class ZipTest : public testing::Test {
 protected:
  // The system's "\" form of a path below the test folder.
  std::string Sys(const std::string& relative) const;
  std::filesystem::path Host(const std::string& relative) const { return root_ / relative; }
  void Write(const std::string& relative, const std::string& content) const;
  std::string Read(const std::string& relative) const;
  // The test folder's files, recursively, relative to it.
  std::vector<std::string> FilesBelow(const std::string& relative = "") const;

  TestFolder folder_{"zip"};
  std::filesystem::path root_ = folder_.Path();
};

}  // namespace strohvik::ziptest
