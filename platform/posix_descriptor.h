#pragma once
// Owns a POSIX descriptor (a file, a folder or a socket) and closes it when it goes.

#include <unistd.h>

namespace strohvik {

class PosixDescriptor {
 public:
  explicit PosixDescriptor(int fd) : fd_(fd) {}
  ~PosixDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixDescriptor(const PosixDescriptor&) = delete;
  PosixDescriptor& operator=(const PosixDescriptor&) = delete;
  // -1 when the call that made it failed.
  int Get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace strohvik
