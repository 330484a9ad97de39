#include "platform/scratch_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

#include "platform/host_path.h"

namespace strohvik {
namespace {

// Fills the pattern's closing "XXXXXX" so that it names a folder made just now.
#ifdef _WIN32
// Windows has no mkdtemp: random names are tried until one is new.
bool MakeUniqueFolder(std::string& pattern) {
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (size_t at = pattern.size() - 6; at < pattern.size(); ++at) pattern[at] = kLetters[random() % kLetters.size()];
    std::error_code error;
    if (std::filesystem::create_directory(HostFilePath(pattern), error)) return true;
    if (error) return false;
  }
  return false;
}
#else
bool MakeUniqueFolder(std::string& pattern) { return mkdtemp(pattern.data()) != nullptr; }
#endif

}  // namespace

ScratchFolder::ScratchFolder(const std::string& prefix) {
  std::string pattern = Utf8Text(std::filesystem::temp_directory_path() / (prefix + "-XXXXXX"));
  if (!MakeUniqueFolder(pattern)) throw std::runtime_error("cannot create a temporary folder in " + pattern);
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(HostFilePath(path_), ignored);
}

}  // namespace strohvik
