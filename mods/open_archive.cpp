#include "mods/open_archive.h"

#include <cstdint>

namespace strohvik {
namespace {

// No file a mod page reads comes near this; a larger entry is refused before it fills
// the disk.
constexpr int64_t kLargestCopiedEntry = int64_t{256} << 20;

}  // namespace

std::shared_ptr<ZipReader> OpenModArchive(const std::string& path) {
  auto reader = ZipReader::Create();
  if (reader->OpenZip(path) != 1) return nullptr;
  reader->SetExtractLimit(kLargestCopiedEntry);
  return reader;
}

std::shared_ptr<ZipReader> OpenArchive::Reader(const std::string& path) {
  if (!reader_ || path_ != path) {
    reader_ = OpenModArchive(path);
    path_ = path;
  }
  return reader_;
}

}  // namespace strohvik
