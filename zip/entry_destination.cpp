#include "zip/entry_destination.h"

#include "platform/paths.h"

namespace strohvik {

std::string EntryDestination(const std::string& folder, const std::string& entryName) {
  if (entryName.empty() || entryName.front() == '/' || entryName.front() == '\\') return {};
  std::string relative;
  size_t start = 0;
  while (start <= entryName.size()) {
    size_t end = entryName.find_first_of("/\\", start);
    if (end == std::string::npos) end = entryName.size();
    const std::string element = entryName.substr(start, end - start);
    start = end + 1;
    if (element.empty() || element == ".") continue;
    if (element == ".." || element.find(':') != std::string::npos) return {};
    relative += (relative.empty() ? "" : "\\") + element;
  }
  return relative.empty() ? std::string() : JoinPath(folder, relative);
}

}  // namespace strohvik
