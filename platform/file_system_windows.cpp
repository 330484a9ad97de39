// The file system operations whose system calls have no portable form.
#include <sys/stat.h>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/windows_api.h"

namespace strohvik {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

WindowsHandle OpenForChange(const std::string& path, DWORD access) {
  return WindowsHandle(::CreateFileW(HostFilePath(path).c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Seconds since 1970 in the 100-nanosecond steps since 1601 that Windows counts.
FILETIME WindowsTime(std::time_t time) {
  constexpr int64_t kSteps1601To1970 = 116444736000000000LL;
  const auto steps = static_cast<uint64_t>(static_cast<int64_t>(time) * 10000000LL + kSteps1601To1970);
  return FILETIME{static_cast<DWORD>(steps), static_cast<DWORD>(steps >> 32)};
}

}  // namespace

// A folder's names are kept by the file system's journal: only files are flushed.
bool FlushToDisk(const std::string& path) {
  if (IsFolder(path)) return true;
  const WindowsHandle file = OpenForChange(path, GENERIC_WRITE);
  return file.Valid() && ::FlushFileBuffers(file.Get()) != 0;
}

// Windows has no call that starts the writing without waiting for it.
void StartWritingToDisk(const std::string&) {}

bool IsWritable(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(HostFilePath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  // On a folder the read-only mark only asks Explorer for a custom look.
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

bool SetFileTime(const std::string& path, std::time_t time) {
  const WindowsHandle file = OpenForChange(path, FILE_WRITE_ATTRIBUTES);
  const FILETIME when = WindowsTime(time);
  return file.Valid() && ::SetFileTime(file.Get(), nullptr, &when, &when) != 0;
}

std::time_t ModificationTime(const std::string& path) {
  struct _stat64 info {};
  return ::_wstat64(HostFilePath(path).c_str(), &info) == 0 ? static_cast<std::time_t>(info.st_mtime) : -1;
}

}  // namespace strohvik
