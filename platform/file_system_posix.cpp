// The file system operations whose system calls have no portable form.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/posix_descriptor.h"

namespace strohvik {
namespace {

// Opens for reading, which suffices to flush a file and also opens a folder.
int OpenForReading(const std::string& path) { return ::open(HostFilePath(path).c_str(), O_RDONLY | O_CLOEXEC); }

}  // namespace

bool FlushToDisk(const std::string& path) {
  const PosixDescriptor file(OpenForReading(path));
  return file.Get() >= 0 && ::fsync(file.Get()) == 0;
}

void StartWritingToDisk(const std::string& path) {
  const PosixDescriptor file(OpenForReading(path));
  if (file.Get() >= 0) ::sync_file_range(file.Get(), 0, 0, SYNC_FILE_RANGE_WRITE);
}

bool IsWritable(const std::string& path) {
  const auto host = HostFilePath(path);
  struct stat status {};
  if (::stat(host.c_str(), &status) != 0) return false;
  // The permission test alone lets the administrator pass a file its owner marked
  // read-only; that mark is the user's word.
  const bool marked = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  return marked && ::access(host.c_str(), W_OK) == 0;
}

bool SetFileTime(const std::string& path, std::time_t time) {
  const struct timespec times[2] = {{time, 0}, {time, 0}};
  return ::utimensat(AT_FDCWD, HostFilePath(path).c_str(), times, 0) == 0;
}

std::time_t ModificationTime(const std::string& path) {
  struct stat info {};
  return ::stat(HostFilePath(path).c_str(), &info) == 0 ? info.st_mtime : -1;
}

}  // namespace strohvik
