#include "tools/inspect/converter_lookup.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace strohvik {
namespace fs = std::filesystem;

std::string FindTextureConverter() {
  std::error_code error;
  const fs::path ownFolder = fs::read_symlink("/proc/self/exe", error).parent_path();
  const std::vector<fs::path> candidates{ownFolder / "ddsConverter", ownFolder / "ddsConverter.exe",
                                         fs::path("Tools") / "ddsConverter.exe", fs::path("Tools") / "ddsConverter"};
  for (const auto& candidate : candidates) {
    if (fs::is_regular_file(candidate, error)) return fs::absolute(candidate, error).string();
  }
  return {};
}

}  // namespace strohvik
