#pragma once
// The records of the zip format as the central directory reader fills them. Integers
// keep the widths of the file: 16-bit fields unsigned, 32-bit fields signed, so sizes
// and offsets of 2 GB or more read as negative numbers and are refused where used.

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

namespace strohvik {

// The general-purpose flag of an encrypted entry, and the two methods we can unpack.
inline constexpr uint16_t kZipEncryptedFlag = 1;
inline constexpr uint16_t kZipStored = 0;
inline constexpr uint16_t kZipDeflated = 8;

// Broken-down date and time: month 1 to 12, full year. Inside this namespace the name
// hides the C library's record of the same name, which the code reaches as std::tm.
struct tm {
  int32_t tm_sec = 0;
  int32_t tm_min = 0;
  int32_t tm_hour = 0;
  int32_t tm_mday = 0;
  int32_t tm_mon = 0;
  int32_t tm_year = 0;
  int32_t tm_wday = 0;
  int32_t tm_yday = 0;
  int32_t tm_isdst = 0;
};

tm DecodeDosDateTime(uint16_t dosTime, uint16_t dosDate);
// The date as a point in time, read as local time; nothing when a field is out of range
// or the C library cannot place it (a 30 February, second 62).
std::optional<std::time_t> LocalTimeOf(const tm& date);

struct SZIPFileDataDescriptor {
  int32_t CRC32 = 0;
  int32_t CompressedSize = 0;
  int32_t UncompressedSize = 0;
};

struct SZIPCentralFileHeader {
  static constexpr int32_t kSignature = 0x02014B50;
  // The fixed part before the name, extra field and comment.
  static constexpr int64_t kFixedSize = 46;

  int32_t Sig = 0;
  uint16_t VersionMadeBy = 0;
  uint16_t VersionToExtract = 0;
  uint16_t GeneralBitFlag = 0;
  uint16_t CompressionMethod = 0;
  uint16_t LastModFileTime = 0;
  uint16_t LastModFileDate = 0;
  SZIPFileDataDescriptor DataDescriptor;
  uint16_t FilenameLength = 0;
  uint16_t ExtraFieldLength = 0;
  uint16_t CommentLength = 0;
  uint16_t DiskNumStart = 0;
  uint16_t InternalFileAttributes = 0;
  int32_t ExternalFileAttributes = 0;
  int32_t RelativeOffsetOfLocalHeader = 0;
  std::string FileName;
  std::string ExtraField;
  std::string FileComment;
  tm LastModDateTime;
};

struct SZipFileEntry;
using ZipEntryPtr = std::shared_ptr<SZipFileEntry>;

struct SZipFileEntry {
  std::string zipFileName;
  std::string simpleFileName;
  std::string path;
  SZIPCentralFileHeader header;
  // Where the scan found the central header, and its place in the directory: minizip goes
  // to exactly this entry instead of searching by name.
  int64_t centralHeaderOffset = 0;
  int64_t directoryIndex = 0;

  static ZipEntryPtr Create();

  bool IsDirectory() const;
  // Byte order of simpleFileName; a shorter prefix sorts first.
  int Compare(const SZipFileEntry& other) const { return simpleFileName.compare(other.simpleFileName); }
  bool Less(const SZipFileEntry& other) const { return Compare(other) < 0; }
  bool EqEq(const SZipFileEntry& other) const { return Compare(other) == 0; }
};

}  // namespace strohvik
