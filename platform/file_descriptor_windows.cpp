#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <climits>

#include "platform/file_descriptor.h"
#include "platform/host_path.h"

namespace strohvik::descriptor {
namespace {

// Text mode would turn CR LF into LF and stop at a byte 26: an archive would read short.
int Flags(Access access) {
  constexpr int kAlways = _O_BINARY | _O_NOINHERIT;
  switch (access) {
    case Access::Read:
      return kAlways | _O_RDONLY;
    case Access::WriteNew:
      return kAlways | _O_WRONLY | _O_CREAT | _O_TRUNC;
    case Access::ReadWrite:
      return kAlways | _O_RDWR;
  }
  return kAlways | _O_RDONLY;
}

// The runtime moves at most an unsigned int at a time.
unsigned int Chunk(int64_t count) { return static_cast<unsigned int>(count < INT_MAX ? count : INT_MAX); }

}  // namespace

int Open(const std::string& systemPath, Access access) {
  int fd = -1;
  // Others may read, write and delete alongside, as on POSIX systems.
  if (::_wsopen_s(&fd, HostFilePath(systemPath).c_str(), Flags(access), _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0) {
    return -1;
  }
  struct _stat64 info {};
  if (::_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFDIR) != 0) {
    ::_close(fd);
    return -1;
  }
  return fd;
}

int64_t Read(int fd, void* buffer, int64_t count) { return ::_read(fd, buffer, Chunk(count)); }

int64_t Write(int fd, const void* buffer, int64_t count) { return ::_write(fd, buffer, Chunk(count)); }

int64_t SeekTo(int fd, int64_t position) { return ::_lseeki64(fd, position, SEEK_SET); }

int64_t Size(int fd) {
  struct _stat64 info {};
  return ::_fstat64(fd, &info) == 0 ? info.st_size : 0;
}

bool FlushToDisk(int fd) { return ::_commit(fd) == 0; }

bool Close(int fd) { return ::_close(fd) == 0; }

int64_t CopyInSystem(int, int) { return 0; }

}  // namespace strohvik::descriptor
