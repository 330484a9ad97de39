#include "tools/inspect/memory_copies.h"

#include <algorithm>
#include <array>

#include "mods/picture_check.h"
#include "mods/temp_copy.h"
#include "platform/paths.h"
#include "tools/dds_converter/dds_header.h"
#include "xml/xml_limits.h"

namespace strohvik {
namespace {

// A larger copy keeps only its start: no document or picture that large is read, and
// a texture needs only its header.
constexpr int64_t kLargestKeptCopy = int64_t{64} << 20;
static_assert(kLargestKeptCopy > kMaxDocumentBytes);

}  // namespace

// The entry is read to its end whatever its size, so that a damaged one is refused
// as the copy to disk refuses it.
bool MemoryCopies::Copy(ZipReader& reader, const SZipFileEntry& entry, const std::string& name) {
  const auto copyName = TempCopyName(name);
  if (!copyName || !reader.OpenEntry(entry.zipFileName, 1, "")) return false;
  Stored stored;
  std::array<char, 16 << 10> chunk;
  int got = 0;
  while ((got = reader.ReadEntry(chunk.data(), unsigned(chunk.size()))) > 0) {
    const int64_t room = kLargestKeptCopy - static_cast<int64_t>(stored.bytes.size());
    stored.bytes.append(chunk.data(), size_t(std::clamp<int64_t>(room, 0, got)));
    stored.size += got;
  }
  if (!reader.CloseEntry() || got < 0) return false;
  copies_[*copyName] = std::move(stored);
  return true;
}

bool MemoryCopies::ConvertTexture(const std::string& name) {
  const Stored* texture = Find(name);
  if (!texture) return true;
  try {
    ParseDdsHeader(texture->bytes, texture->size);
    convertedPictures_.insert(WithoutExtension(*TempCopyName(name)) + ".png");
  } catch (const DdsError&) {
    // The converter writes no picture for it.
  }
  return true;
}

int64_t MemoryCopies::Size(const std::string& name) const {
  const Stored* copy = Find(name);
  return copy ? copy->size : -1;
}

bool MemoryCopies::OpenDocument(XMLFile& document, const std::string& name) const {
  const Stored* copy = Find(name);
  if (!copy || !copy->Whole()) {
    document.Create();
    return false;
  }
  return document.OpenText(copy->bytes) == 1;
}

bool MemoryCopies::CanShowPicture(const std::string& name) const {
  const auto copyName = TempCopyName(name);
  if (copyName && convertedPictures_.contains(*copyName)) return true;
  const Stored* copy = Find(name);
  return copy && CanShowPictureInMemory(copy->bytes, copy->Whole());
}

const MemoryCopies::Stored* MemoryCopies::Find(const std::string& name) const {
  const auto copyName = TempCopyName(name);
  if (!copyName) return nullptr;
  const auto copy = copies_.find(*copyName);
  return copy == copies_.end() ? nullptr : &copy->second;
}

}  // namespace strohvik
