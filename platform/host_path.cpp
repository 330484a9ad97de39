#include "platform/host_path.h"

#include <algorithm>

namespace strohvik {

std::string HostPath(std::string_view systemPath) {
  std::string host(systemPath);
  std::replace(host.begin(), host.end(), '\\', '/');
  return host;
}

std::string SystemPath(std::string_view hostPath) {
  std::string system(hostPath);
  std::replace(system.begin(), system.end(), '/', '\\');
  return system;
}

std::filesystem::path HostFilePath(std::string_view systemPath) {
  const std::string host = HostPath(systemPath);
  return std::filesystem::path(std::u8string(host.begin(), host.end()));
}

std::string Utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string AbsoluteHostPath(std::string_view systemPath) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(HostFilePath(systemPath), error);
  return error ? HostPath(systemPath) : Utf8Text(absolute.lexically_normal());
}

std::FILE* OpenHostFile(std::string_view systemPath, const char* mode) {
#ifdef _WIN32
  const std::string narrow(mode);
  return ::_wfopen(HostFilePath(systemPath).c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
#else
  return std::fopen(HostFilePath(systemPath).c_str(), mode);
#endif
}

}  // namespace strohvik
