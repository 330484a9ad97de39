#include "tools/inspect/file_compare.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>

#include "platform/host_path.h"

namespace strohvik {

size_t TailFingerprint(const std::string& hostPath) {
  constexpr std::streamoff kTail = 1 << 16;
  std::ifstream file(HostFilePath(hostPath), std::ios::binary | std::ios::ate);
  if (!file) return 0;
  const std::streamoff size = file.tellg();
  file.seekg(std::max<std::streamoff>(0, size - kTail));
  std::string tail(static_cast<size_t>(std::min(size, kTail)), '\0');
  file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
  return std::hash<std::string>{}(tail);
}

}  // namespace strohvik
