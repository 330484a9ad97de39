#include "platform/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/host_path.h"

namespace strohvik {

std::shared_ptr<TFileStream> TFileStream::Open(const std::string& path, bool readable, bool writeable) {
  if (path.empty() || (!readable && !writeable)) return nullptr;
  int flags = O_CLOEXEC;
  if (readable && writeable) {
    flags |= O_RDWR;
  } else if (writeable) {
    flags |= O_WRONLY | O_CREAT | O_TRUNC;
  } else {
    flags |= O_RDONLY;
  }
  const int fd = ::open(HostPath(path).c_str(), flags, 0666);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::shared_ptr<TFileStream>(new TFileStream(fd, readable, writeable));
}

TFileStream::~TFileStream() { Close(); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (!readable_) throw StreamError("Stream is not readable");
  if (fd_ < 0 || count <= 0) return 0;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(count));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return 0;
    position_ += got;
    return got;
  }
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (!writeable_) throw StreamError("Stream is not writeable");
  if (fd_ < 0 || count <= 0) return 0;
  for (;;) {
    const ssize_t put = ::write(fd_, buffer, static_cast<size_t>(count));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      failed_ = true;
      return 0;
    }
    position_ += put;
    return put;
  }
}

int64_t TFileStream::Seek(int64_t position) {
  if (fd_ < 0) return position_;
  const off_t reached = ::lseek(fd_, position < 0 ? 0 : position, SEEK_SET);
  if (reached >= 0) position_ = reached;
  return position_;
}

int64_t TFileStream::Size() {
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) return 0;
  return info.st_size;
}

bool TFileStream::Eof() { return position_ >= Size(); }

int64_t TFileStream::AppendRestOf(TFileStream& source) {
  if (!writeable_ || !source.readable_) throw StreamError("Stream cannot be copied so");
  int64_t total = 0;
  for (;;) {
    const ssize_t moved = ::copy_file_range(source.fd_, nullptr, fd_, nullptr, size_t{1} << 30, 0);
    if (moved < 0 && errno == EINTR) continue;
    if (moved <= 0) break;
    total += moved;
  }
  source.position_ += total;
  position_ += total;
  // Where the kernel cannot copy between these two files, through a buffer.
  std::vector<char> chunk(size_t{1} << 16);
  for (int64_t got; (got = source.Read(chunk.data(), static_cast<int64_t>(chunk.size()))) > 0; total += got) {
    if (Write(chunk.data(), got) != got) return total;
  }
  return total;
}

int TFileStream::Flush() {
  if (fd_ >= 0 && writeable_ && ::fsync(fd_) != 0) failed_ = true;
  return 0;
}

void TFileStream::Close() { CloseChecked(); }

bool TFileStream::CloseChecked() {
  if (fd_ >= 0) {
    if (::close(fd_) != 0) failed_ = true;
    fd_ = -1;
  }
  return !failed_;
}

}  // namespace strohvik
