#include "tools/inspect/file_compare.h"

#include <algorithm>
#include <array>
#include <fstream>

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

}  // namespace strohvik
