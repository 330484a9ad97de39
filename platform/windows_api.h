#pragma once
// <windows.h> for the platform layer's Windows files, included only through here.
// Its macros named like functions of ours are undone: DeleteFile would otherwise turn
// every later strohvik::DeleteFile into DeleteFileW. UTF-8 meets the API's wide
// characters in Widen and Narrow.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#undef DeleteFile

#include <string>
#include <string_view>

namespace strohvik {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// Owns a kernel handle and closes it.
class WindowsHandle {
 public:
  explicit WindowsHandle(HANDLE handle = nullptr) : handle_(handle) {}
  ~WindowsHandle() {
    if (Valid()) ::CloseHandle(handle_);
  }
  WindowsHandle(const WindowsHandle&) = delete;
  WindowsHandle& operator=(const WindowsHandle&) = delete;

  bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace strohvik
