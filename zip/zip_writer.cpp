#include "zip/zip_writer.h"

#include <ctime>
#include <vector>

#include "platform/debug_log.h"
#include "platform/file_system.h"
#include "platform/local_time.h"
#include "platform/paths.h"
#include "zip/archive_view.h"
#include "zip/zip_limits.h"

namespace strohvik {
namespace {

constexpr int64_t kChunkSize = 64 * 1024;

tm_zip ZipDate(std::time_t time) {
  const std::tm local = LocalTime(time);
  tm_zip date{};
  date.tm_sec = static_cast<uInt>(local.tm_sec);
  date.tm_min = static_cast<uInt>(local.tm_min);
  date.tm_hour = static_cast<uInt>(local.tm_hour);
  date.tm_mday = static_cast<uInt>(local.tm_mday);
  date.tm_mon = static_cast<uInt>(local.tm_mon);
  date.tm_year = static_cast<uInt>(local.tm_year + 1900);
  return date;
}

std::time_t ModificationTimeOrNow(const std::string& path) {
  const std::time_t time = ModificationTime(path);
  return time < 0 ? std::time(nullptr) : time;
}

}  // namespace

int ZipWriter::OpenZip(const std::string& name, int append) {
  Close(nullptr);
  m_zipFile = OpenZipForWriting(name, append ? APPEND_STATUS_ADDINZIP : APPEND_STATUS_CREATE);
  if (!m_zipFile) return 0;
  setName(name);
  readFileList();
  return 1;
}

void ZipWriter::SetCompressionLevel(int level) {
  if (m_zipFile) m_compressionLevel = level;
}

int ZipWriter::AddFile(const std::string& fileName, const std::string& password) {
  return AddFileToDest(fileName, fileName, password);
}

int ZipWriter::AddFileToDest(const std::string& fileName, const std::string& destName, const std::string& password) {
  if (!m_zipFile) return 0;
  if (FileSize(fileName) >= kWriterSourceLimit) {
    DebugLog("zip: source too large for an archive without ZIP64: " + fileName);
    return 0;
  }
  // Read and write access, as before, but the content is kept: nothing truncates it.
  auto source = TFileStream::Open(fileName, true, true);
  if (!source) return 0;
  AddEntry(*source, destName, ZipDate(ModificationTimeOrNow(fileName)), password);
  return 0;
}

int ZipWriter::AddStream(const StreamPtr& stream, const std::string& fileName, const std::string& password) {
  if (!m_zipFile || !stream) return 0;
  if (stream->Size() < kWriterSourceLimit) {
    stream->Seek(0);
    AddEntry(*stream, fileName, ZipDate(std::time(nullptr)), password);
  }
  stream->Close();
  return 0;
}

bool ZipWriter::AddEntry(TStream& source, const std::string& destName, const tm_zip& date,
                         const std::string& password) {
  if (!password.empty()) {
    DebugLog("zip: this minizip cannot encrypt, entry refused: " + destName);
    return false;
  }
  zip_fileinfo info{};
  info.tmz_date = date;
  if (zipOpenNewFileInZip(m_zipFile, destName.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                          m_compressionLevel) != ZIP_OK) {
    DebugLog("zip: cannot open entry " + destName);
    return false;
  }
  const bool written = WriteEntryData(source);
  const bool closed = zipCloseFileInZip(m_zipFile) == ZIP_OK;
  if (!written || !closed) {
    DebugLog("zip: cannot write entry " + destName);
    return false;
  }
  ListEntry(destName);
  return true;
}

bool ZipWriter::WriteEntryData(TStream& source) {
  std::vector<char> chunk(kChunkSize);
  int64_t total = 0;
  try {
    for (;;) {
      const int64_t got = source.Read(chunk.data(), kChunkSize);
      if (got <= 0) return true;
      total += got;
      if (total >= kWriterSourceLimit) return false;
      if (zipWriteInFileInZip(m_zipFile, chunk.data(), static_cast<unsigned>(got)) != ZIP_OK) return false;
    }
  } catch (const StreamError&) {
    return false;
  }
}

void ZipWriter::ListEntry(const std::string& destName) {
  if (!m_zipFileList) m_zipFileList = TZipFileList::CreateEmpty(0, 0);
  auto entry = SZipFileEntry::Create();
  entry->zipFileName = destName;
  entry->simpleFileName = FilePart(destName);
  entry->path = FolderPart(destName);
  entry->header.FileName = destName;
  entry->header.FilenameLength = static_cast<uint16_t>(destName.size());
  entry->header.CompressionMethod = Z_DEFLATED;
  m_zipFileList->Append(std::move(entry));
}

int ZipWriter::CloseZip(const std::string& comment) {
  // The end record holds the comment's length in 16 bits; minizip would write a longer
  // comment whole behind a wrapped length, and the end record could not be found again.
  std::string stored = comment;
  if (stored.size() > kLongestArchiveComment) {
    DebugLog("zip: archive comment cut to " + std::to_string(kLongestArchiveComment) + " bytes");
    stored.resize(kLongestArchiveComment);
  }
  Close(stored.c_str());
  return 0;
}

void ZipWriter::Close(const char* comment) {
  if (m_zipFile && zipClose(m_zipFile, comment) != ZIP_OK) DebugLog("zip: cannot finish archive " + m_name);
  m_zipFile = nullptr;
  setName("");
  clearFileList();
}

}  // namespace strohvik
