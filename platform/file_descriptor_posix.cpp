#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_descriptor.h"
#include "platform/host_path.h"

namespace strohvik::descriptor {
namespace {

int Flags(Access access) {
  switch (access) {
    case Access::Read:
      return O_RDONLY;
    case Access::WriteNew:
      return O_WRONLY | O_CREAT | O_TRUNC;
    case Access::ReadWrite:
      return O_RDWR;
  }
  return O_RDONLY;
}

// Repeats a read or write the arrival of a signal broke off.
template <typename Call>
int64_t Repeating(Call call) {
  for (;;) {
    const ssize_t moved = call();
    if (moved < 0 && errno == EINTR) continue;
    return moved;
  }
}

}  // namespace

int Open(const std::string& systemPath, Access access) {
  const int fd = ::open(HostFilePath(systemPath).c_str(), Flags(access) | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

int64_t Read(int fd, void* buffer, int64_t count) {
  return Repeating([&] { return ::read(fd, buffer, static_cast<size_t>(count)); });
}

int64_t Write(int fd, const void* buffer, int64_t count) {
  return Repeating([&] { return ::write(fd, buffer, static_cast<size_t>(count)); });
}

int64_t SeekTo(int fd, int64_t position) { return ::lseek(fd, position, SEEK_SET); }

int64_t Size(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 ? info.st_size : 0;
}

bool FlushToDisk(int fd) { return ::fsync(fd) == 0; }

bool Close(int fd) { return ::close(fd) == 0; }

int64_t CopyInSystem(int source, int target) {
  int64_t total = 0;
  for (int64_t moved; (moved = Repeating([&] {
                         return ::copy_file_range(source, nullptr, target, nullptr, size_t{1} << 30, 0);
                       })) > 0;) {
    total += moved;
  }
  return total;
}

}  // namespace strohvik::descriptor
