#include "platform/program_search.h"

#include <algorithm>
#include <cstdlib>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace strohvik {
namespace {

#ifdef _WIN32
constexpr char kListSeparator = ';';
const std::vector<std::string> kEndings = {"", ".exe"};

bool IsProgram(const std::string& path) { return IsFile(path); }

std::string SearchPathVariable() {
  const wchar_t* value = ::_wgetenv(L"PATH");
  return value ? Utf8Text(std::filesystem::path(value)) : "";
}
#else
constexpr char kListSeparator = ':';
const std::vector<std::string> kEndings = {""};

bool IsProgram(const std::string& path) { return IsFile(path) && ::access(HostFilePath(path).c_str(), X_OK) == 0; }

std::string SearchPathVariable() {
  const char* value = std::getenv("PATH");
  return value ? value : "";
}
#endif

}  // namespace

std::string ProgramSearchPath() { return SearchPathVariable(); }

std::string FindProgram(const std::string& name, const std::string& searchPath) {
  size_t start = 0;
  while (start <= searchPath.size()) {
    const size_t end = std::min(searchPath.find(kListSeparator, start), searchPath.size());
    // An empty element of PATH stands for the current directory.
    const std::string folder = end == start ? "." : searchPath.substr(start, end - start);
    for (const std::string& ending : kEndings) {
      const std::string candidate = HostPath(JoinPath(folder, name + ending));
      if (IsProgram(candidate)) return candidate;
    }
    start = end + 1;
  }
  return "";
}

std::vector<std::string> WindowsProgramCommand(const std::string& program, const std::string& searchPath) {
#ifdef _WIN32
  static_cast<void>(searchPath);
  return {program};
#else
  const std::string wine = FindProgram("wine", searchPath);
  if (wine.empty()) return {};
  return {wine, program};
#endif
}

}  // namespace strohvik
