#include "zip/zip_estream.h"

#include <algorithm>
#include <vector>

#include "platform/debug_log.h"

namespace strohvik {
namespace {

constexpr int64_t kDiscardChunk = 64 * 1024;
constexpr int64_t kLargestRead = 1 << 30;

}  // namespace

std::shared_ptr<TZipEStream> TZipEStream::Create(const std::string& zipName, const std::string& entryName,
                                                 int caseSensitive, const std::string& password) {
  std::shared_ptr<TZipEStream> stream(new TZipEStream());
  stream->reader = ZipReader::Create();
  if (!stream->reader->OpenZip(zipName)) {
    DebugLog("unable to open zip " + zipName);
    return nullptr;
  }
  stream->filename = entryName;
  stream->case_sensitive = caseSensitive;
  stream->password = password;
  return stream->find_file(1) ? stream : nullptr;
}

int TZipEStream::find_file(int probe) {
  if (!reader) return 0;
  const auto entry = reader->OpenEntry(filename, case_sensitive, password);
  if (!entry) return 0;
  file_size = entry->header.DataDescriptor.UncompressedSize;
  position_ = 0;
  failed_ = false;
  // Reading the first byte shows whether the entry can be decompressed at all.
  if (probe && Seek(1) != 1) return 0;
  return !probe || Seek(0) == 0;
}

bool TZipEStream::Eof() { return !reader || failed_ || reader->EntryEof(); }

int64_t TZipEStream::Read(void* buffer, int64_t count) {
  if (!reader || failed_ || count <= 0) return 0;
  const int got = reader->ReadEntry(buffer, static_cast<unsigned>(std::min(count, kLargestRead)));
  if (got < 0) {
    DebugLog("zip: damaged entry " + filename);
    failed_ = true;
    return 0;
  }
  position_ += got;
  return got;
}

int64_t TZipEStream::Seek(int64_t position) {
  if (position < position_ && !find_file(0)) throw StreamError("Unable to find file");
  std::vector<char> discarded(static_cast<size_t>(std::min(kDiscardChunk, std::max<int64_t>(position - position_, 1))));
  while (position_ < position) {
    const int64_t wanted = std::min<int64_t>(position - position_, static_cast<int64_t>(discarded.size()));
    if (Read(discarded.data(), wanted) <= 0) break;
  }
  return position_;
}

void TZipEStream::Close() {
  if (reader) reader->CloseZip();
  reader.reset();
}

}  // namespace strohvik
