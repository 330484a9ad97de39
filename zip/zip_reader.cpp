#include "zip/zip_reader.h"

#include <cstring>
#include <limits>
#include <vector>

#include "platform/debug_log.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "zip/archive_view.h"
#include "zip/created_folders.h"
#include "zip/zip_ram_stream.h"

namespace strohvik {
namespace {

constexpr unsigned kChunkSize = 64 * 1024;

void StampWithEntryTime(const std::string& path, const SZipFileEntry& entry) {
  if (const auto time = LocalTimeOf(entry.header.LastModDateTime)) SetFileTime(path, *time);
}

// Whether what minizip read at the entry's position is the header the scan listed.
bool SameHeader(const unz_file_info64& info, const std::string& name, const SZIPCentralFileHeader& header) {
  const auto& sizes = header.DataDescriptor;
  return name == header.FileName && info.compression_method == header.CompressionMethod &&
         info.flag == header.GeneralBitFlag && info.crc == static_cast<uint32_t>(sizes.CRC32) &&
         info.compressed_size == static_cast<uint64_t>(sizes.CompressedSize) &&
         info.uncompressed_size == static_cast<uint64_t>(sizes.UncompressedSize);
}

}  // namespace

int ZipReader::OpenZip(const std::string& name) {
  CloseZip();
  setName(name);
  readFileList();
  // minizip reads the directory the list came from; without a list it searches itself.
  m_zipFile = m_zipFileList ? OpenUnzipUpTo(name, m_zipFileList->EndRecordEnd()) : OpenUnzip(name);
  if (!m_zipFile) {
    CloseZip();
    return 0;
  }
  m_archiveSize = FileSize(name);
  return 1;
}

int ZipReader::CloseZip() {
  if (m_zipFile) {
    unzClose(m_zipFile);
    m_zipFile = nullptr;
  }
  setName("");
  clearFileList();
  return 0;
}

ZipEntryPtr ZipReader::FindEntry(const std::string& name, int caseSensitive) const {
  auto exact = getFileInfoByName(name);
  if (exact || caseSensitive) return exact;
  // Letter case folded as minizip folds it: ASCII only.
  const std::string wanted = AsciiLower(name);
  for (int index = 0; index < getFileCount(); ++index) {
    auto entry = getFileInfo(index);
    if (AsciiLower(entry->zipFileName) == wanted) return entry;
  }
  return nullptr;
}

bool ZipReader::CanExtract(const SZipFileEntry& entry) const {
  const auto& header = entry.header;
  const int64_t packed = header.DataDescriptor.CompressedSize;
  const int64_t unpacked = header.DataDescriptor.UncompressedSize;
  if (header.GeneralBitFlag & kZipEncryptedFlag) {
    DebugLog("zip: encrypted entries cannot be read: " + entry.zipFileName);
    return false;
  }
  if (header.CompressionMethod != kZipStored && header.CompressionMethod != kZipDeflated) {
    DebugLog("zip: unsupported compression method " + std::to_string(header.CompressionMethod) + ": " +
             entry.zipFileName);
    return false;
  }
  const int64_t mostPossible = header.CompressionMethod == kZipStored ? packed : packed * kMaxDeflateRatio;
  if (packed < 0 || unpacked < 0 || packed > m_archiveSize || unpacked > mostPossible || unpacked > m_extractLimit) {
    DebugLog("zip: entry size refused: " + entry.zipFileName);
    return false;
  }
  return true;
}

bool ZipReader::GoToEntry(const SZipFileEntry& entry) {
  unz64_file_pos position{static_cast<ZPOS64_T>(entry.centralHeaderOffset),
                          static_cast<ZPOS64_T>(entry.directoryIndex)};
  if (unzGoToFilePos64(m_zipFile, &position) != UNZ_OK) return false;
  unz_file_info64 info{};
  std::string name(entry.header.FileName.size() + 1, '\0');
  if (unzGetCurrentFileInfo64(m_zipFile, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0, nullptr,
                              0) != UNZ_OK ||
      info.size_filename != entry.header.FileName.size()) {
    return false;
  }
  name.resize(info.size_filename);
  return SameHeader(info, name, entry.header);
}

bool ZipReader::OpenListedEntry(const SZipFileEntry& entry, const std::string& password) {
  if (!m_zipFile || !CanExtract(entry) || !GoToEntry(entry)) return false;
  const int opened =
      password.empty() ? unzOpenCurrentFile(m_zipFile) : unzOpenCurrentFilePassword(m_zipFile, password.c_str());
  return opened == UNZ_OK;
}

ZipEntryPtr ZipReader::OpenEntry(const std::string& name, int caseSensitive, const std::string& password) {
  auto entry = FindEntry(name, caseSensitive);
  return entry && OpenListedEntry(*entry, password) ? entry : nullptr;
}

int ZipReader::ReadEntry(void* buffer, unsigned count) {
  return m_zipFile ? unzReadCurrentFile(m_zipFile, buffer, count) : UNZ_PARAMERROR;
}

bool ZipReader::EntryEof() { return !m_zipFile || unzeof(m_zipFile) == 1; }

bool ZipReader::CloseEntry() { return m_zipFile && unzCloseCurrentFile(m_zipFile) == UNZ_OK; }

bool ZipReader::ReadWholeEntry(const SZipFileEntry& entry, const std::string& password, const ChunkSink& sink) {
  if (!OpenListedEntry(entry, password)) return false;
  const int64_t expected = entry.header.DataDescriptor.UncompressedSize;
  std::vector<uint8_t> chunk(kChunkSize);
  int64_t total = 0;
  bool complete = false;
  for (;;) {
    const int got = ReadEntry(chunk.data(), kChunkSize);
    if (got == 0) complete = total == expected;
    if (got <= 0 || total + got > expected || !sink(chunk.data(), static_cast<size_t>(got))) break;
    total += got;
  }
  // Closing checks the CRC, but only of an entry read to its end.
  const bool crcMatches = CloseEntry();
  if (!complete || !crcMatches) DebugLog("zip: damaged entry: " + entry.zipFileName);
  return complete && crcMatches;
}

std::shared_ptr<TRamStream> ZipReader::ExtractFile(const std::string& name, int caseSensitive,
                                                   const std::string& password) {
  if (!m_zipFile) return nullptr;
  const auto entry = FindEntry(name, caseSensitive);
  // Sizes are checked before the block is allocated.
  if (!entry || !CanExtract(*entry)) return nullptr;
  auto stream = ZipRamStream::ZCreate(entry->header.DataDescriptor.UncompressedSize, true, false);
  if (!stream) return nullptr;
  uint8_t* filled = stream->Data();
  const bool extracted = ReadWholeEntry(*entry, password, [&filled](const uint8_t* bytes, size_t count) {
    std::memcpy(filled, bytes, count);
    filled += count;
    return true;
  });
  return extracted ? stream : nullptr;
}

bool ZipReader::CheckEntry(int index) {
  const ZipEntryPtr entry = getFileInfo(index);
  if (!entry) return false;
  const int64_t limit = m_extractLimit;
  m_extractLimit = std::numeric_limits<int64_t>::max();
  const bool whole = ReadWholeEntry(*entry, "", [](const uint8_t*, size_t) { return true; });
  m_extractLimit = limit;
  return whole;
}

int ZipReader::ExtractFileToDisk(const std::string& name, const std::string& destination, int /*caseSensitive*/,
                                 const std::string& password) {
  // The name is the listed entry's own, so the entry is found by it exactly.
  const auto entry = getFileInfoByName(name);
  if (!entry) return 0;
  return entry->IsDirectory() ? ExtractDirectory(*entry, destination)
                              : ExtractRegularFile(*entry, destination, password);
}

int ZipReader::ExtractDirectory(const SZipFileEntry& entry, const std::string& destination) {
  if (IsFolder(destination)) return 1;
  if (!CreateFolderWithParents(destination)) return 0;
  StampWithEntryTime(destination, entry);
  return 1;
}

int ZipReader::ExtractRegularFile(const SZipFileEntry& entry, const std::string& destination,
                                  const std::string& password) {
  if (!m_zipFile || !CanExtract(entry)) return 0;
  CreatedFolders folders(FolderPart(destination));
  if (!folders.Exists()) return 0;
  auto file = AtomicFile::Create(destination, Durability::Scratch);
  if (!file) return 0;
  const bool extracted = ReadWholeEntry(entry, password, [&file](const uint8_t* bytes, size_t count) {
    try {
      file->Stream().WriteBytes(bytes, static_cast<int64_t>(count));
      return true;
    } catch (const StreamError&) {
      return false;
    }
  });
  if (!extracted || !file->Commit()) return 0;
  folders.Keep();
  StampWithEntryTime(destination, entry);
  return 1;
}

}  // namespace strohvik
