#include "tools/inspect/file_compare.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <string>

namespace strohvik {

bool SameBytes(const std::string& hostPathA, const std::string& hostPathB) {
  std::ifstream a(hostPathA, std::ios::binary);
  std::ifstream b(hostPathB, std::ios::binary);
  if (!a || !b) return false;
  std::array<char, 1 << 16> blockA;
  std::array<char, 1 << 16> blockB;
  while (a && b) {
    a.read(blockA.data(), blockA.size());
    b.read(blockB.data(), blockB.size());
    if (a.gcount() != b.gcount() || !std::equal(blockA.begin(), blockA.begin() + a.gcount(), blockB.begin())) {
      return false;
    }
  }
  return a.eof() && b.eof();
}

size_t TailFingerprint(const std::string& hostPath) {
  constexpr std::streamoff kTail = 1 << 16;
  std::ifstream file(hostPath, std::ios::binary | std::ios::ate);
  if (!file) return 0;
  const std::streamoff size = file.tellg();
  file.seekg(std::max<std::streamoff>(0, size - kTail));
  std::string tail(static_cast<size_t>(std::min(size, kTail)), '\0');
  file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
  return std::hash<std::string>{}(tail);
}

}  // namespace strohvik
