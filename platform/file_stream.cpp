#include "platform/file_stream.h"

#include <vector>

#include "platform/file_descriptor.h"

namespace strohvik {

std::shared_ptr<TFileStream> TFileStream::Open(const std::string& path, bool readable, bool writeable) {
  if (path.empty() || (!readable && !writeable)) return nullptr;
  using descriptor::Access;
  const Access access = readable && writeable ? Access::ReadWrite : writeable ? Access::WriteNew : Access::Read;
  const int fd = descriptor::Open(path, access);
  if (fd < 0) return nullptr;
  return std::shared_ptr<TFileStream>(new TFileStream(fd, readable, writeable));
}

TFileStream::~TFileStream() { Close(); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (!readable_) throw StreamError("Stream is not readable");
  if (fd_ < 0 || count <= 0) return 0;
  const int64_t got = descriptor::Read(fd_, buffer, count);
  if (got <= 0) return 0;
  position_ += got;
  return got;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (!writeable_) throw StreamError("Stream is not writeable");
  if (fd_ < 0 || count <= 0) return 0;
  const int64_t put = descriptor::Write(fd_, buffer, count);
  if (put <= 0) {
    failed_ = true;
    return 0;
  }
  position_ += put;
  return put;
}

int64_t TFileStream::Seek(int64_t position) {
  if (fd_ < 0) return position_;
  const int64_t reached = descriptor::SeekTo(fd_, position < 0 ? 0 : position);
  if (reached >= 0) position_ = reached;
  return position_;
}

int64_t TFileStream::Size() { return fd_ < 0 ? 0 : descriptor::Size(fd_); }

bool TFileStream::Eof() { return position_ >= Size(); }

int64_t TFileStream::AppendRestOf(TFileStream& source) {
  if (!writeable_ || !source.readable_) throw StreamError("Stream cannot be copied so");
  int64_t total = descriptor::CopyInSystem(source.fd_, fd_);
  source.position_ += total;
  position_ += total;
  // Where the system cannot copy between these two files, through a buffer.
  std::vector<char> chunk(size_t{1} << 16);
  for (int64_t got; (got = source.Read(chunk.data(), static_cast<int64_t>(chunk.size()))) > 0; total += got) {
    if (Write(chunk.data(), got) != got) return total;
  }
  return total;
}

int TFileStream::Flush() {
  if (fd_ >= 0 && writeable_ && !descriptor::FlushToDisk(fd_)) failed_ = true;
  return 0;
}

void TFileStream::Close() { CloseChecked(); }

bool TFileStream::CloseChecked() {
  if (fd_ >= 0) {
    if (!descriptor::Close(fd_)) failed_ = true;
    fd_ = -1;
  }
  return !failed_;
}

}  // namespace strohvik
