#pragma once
// Reads entries out of an archive through minizip, into memory or onto disk. The entry
// list comes from the archive's own central directory scan, and extraction goes to the
// listed entry itself, so the entry found is always the one extracted.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <minizip/unzip.h>

#include "platform/stream.h"
#include "zip/zip_file.h"
#include "zip/zip_limits.h"

namespace strohvik {

class ZipReader : public ZipFile {
 public:
  static std::shared_ptr<ZipReader> Create() { return std::make_shared<ZipReader>(); }
  ZipReader() = default;
  ~ZipReader() override { CloseZip(); }
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  int OpenZip(const std::string& name);
  // The whole entry in memory at position 0, or null: no archive, no such entry, an
  // encrypted entry or an unsupported method, a size over the limit, damaged data, a
  // CRC mismatch, a password (this minizip cannot decrypt).
  std::shared_ptr<TRamStream> ExtractFile(const std::string& name, int caseSensitive, const std::string& password);
  // Writes the entry to exactly the destination given, through a temporary file, and
  // gives it the entry's time. 0 with nothing left behind when anything fails.
  int ExtractFileToDisk(const std::string& name, const std::string& destination, int caseSensitive,
                        const std::string& password);
  int CloseZip();
  // Reads the listed entry to its end, keeping nothing, whatever its size: false for
  // damaged data, a size or CRC mismatch, encryption or an unsupported method.
  bool CheckEntry(int index);

  // The most one entry may unpack to; larger entries are refused before reading.
  void SetExtractLimit(int64_t bytes) { m_extractLimit = bytes; }

  // Front-to-back reading of one entry, for streams. OpenEntry makes the entry the
  // current one, or gives null for the same reasons as ExtractFile.
  ZipEntryPtr OpenEntry(const std::string& name, int caseSensitive, const std::string& password);
  // unzReadCurrentFile: the bytes delivered, 0 at the end, negative for damaged data.
  int ReadEntry(void* buffer, unsigned count);
  bool EntryEof();
  // False when the entry was read to its end and its CRC did not match.
  bool CloseEntry();

 private:
  using ChunkSink = std::function<bool(const uint8_t* bytes, size_t count)>;

  ZipEntryPtr FindEntry(const std::string& name, int caseSensitive) const;
  bool CanExtract(const SZipFileEntry& entry) const;
  bool GoToEntry(const SZipFileEntry& entry);
  bool OpenListedEntry(const SZipFileEntry& entry, const std::string& password);
  bool ReadWholeEntry(const SZipFileEntry& entry, const std::string& password, const ChunkSink& sink);
  int ExtractDirectory(const SZipFileEntry& entry, const std::string& destination);
  int ExtractRegularFile(const SZipFileEntry& entry, const std::string& destination, const std::string& password);

  unzFile m_zipFile = nullptr;
  int64_t m_archiveSize = 0;
  int64_t m_extractLimit = kDefaultExtractLimit;
};

}  // namespace strohvik
