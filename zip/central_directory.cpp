#include "zip/central_directory.h"

#include <algorithm>
#include <string>
#include <vector>

namespace strohvik {
namespace {

constexpr uint32_t kEndRecordSignature = 0x06054B50;
constexpr int64_t kEndRecordSize = 22;
// The end record and the longest comment it can announce.
constexpr int64_t kLongestEndRecord = kEndRecordSize + 0xFFFF;

// Reads little-endian fields from a block of bytes, failing instead of running past it.
class ByteReader {
 public:
  ByteReader(std::string_view bytes, size_t position) : bytes_(bytes), position_(position) {}

  size_t Position() const { return position_; }
  bool Has(size_t count) const { return position_ <= bytes_.size() && bytes_.size() - position_ >= count; }

  uint16_t Short() {
    const auto* b = Take(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  int32_t Int() {
    const auto* b = Take(4);
    return static_cast<int32_t>(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                                (uint32_t(b[3]) << 24));
  }
  std::string Text(size_t count) {
    const auto* b = Take(count);
    return std::string(reinterpret_cast<const char*>(b), count);
  }

 private:
  // Callers check Has() for the whole record first, so a short block here is a fault.
  const uint8_t* Take(size_t count) {
    if (!Has(count)) throw StreamError("Error reading from stream");
    const auto* start = reinterpret_cast<const uint8_t*>(bytes_.data() + position_);
    position_ += count;
    return start;
  }

  std::string_view bytes_;
  size_t position_;
};

struct EndRecordCandidate {
  int64_t position;  // in the file
  int64_t directoryOffset;
  int64_t commentLength;
};

// A directory starts after the first local header and holds at least one full header
// before the end record; anything else (negative, ZIP64's 0xFFFFFFFF, past the end) is not one.
bool PlausibleOffset(const EndRecordCandidate& candidate) {
  return candidate.directoryOffset > 0 &&
         candidate.directoryOffset <= candidate.position - SZIPCentralFileHeader::kFixedSize;
}

bool StartsWithCentralHeader(TStream& archive, int64_t offset) {
  try {
    archive.Seek(offset);
    return archive.ReadInt() == SZIPCentralFileHeader::kSignature;
  } catch (const StreamError&) {
    return false;
  }
}

// Every end-record signature in the tail with room for the whole record, last one first.
std::vector<EndRecordCandidate> EndRecordCandidates(std::string_view tail, int64_t tailStart) {
  std::vector<EndRecordCandidate> candidates;
  for (int64_t at = static_cast<int64_t>(tail.size()) - kEndRecordSize; at >= 0; --at) {
    ByteReader record(tail, static_cast<size_t>(at));
    if (static_cast<uint32_t>(record.Int()) != kEndRecordSignature) continue;
    ByteReader fields(tail, static_cast<size_t>(at + 16));
    const int64_t offset = fields.Int();
    const int64_t commentLength = fields.Short();
    candidates.push_back({tailStart + at, offset, commentLength});
  }
  return candidates;
}

}  // namespace

std::optional<CentralDirectoryLocation> LocateCentralDirectory(TStream& archive) {
  try {
    const int64_t size = archive.Size();
    if (size < kEndRecordSize) return std::nullopt;
    const int64_t tailStart = size - std::min(size, kLongestEndRecord);
    std::string tail(static_cast<size_t>(size - tailStart), '\0');
    archive.Seek(tailStart);
    archive.ReadBytes(tail.data(), static_cast<int64_t>(tail.size()));

    const auto candidates = EndRecordCandidates(tail, tailStart);
    if (candidates.empty()) return std::nullopt;
    // A comment may hold bytes that look like an end record: prefer a record whose comment
    // ends exactly at the end of the file or whose offset leads to a central header.
    for (const auto& candidate : candidates) {
      if (!PlausibleOffset(candidate)) continue;
      const bool commentReachesEnd = candidate.position + kEndRecordSize + candidate.commentLength == size;
      if (commentReachesEnd || StartsWithCentralHeader(archive, candidate.directoryOffset)) {
        return CentralDirectoryLocation{candidate.directoryOffset, candidate.position + kEndRecordSize};
      }
    }
    const auto& last = candidates.front();
    if (!PlausibleOffset(last)) return std::nullopt;
    return CentralDirectoryLocation{last.directoryOffset, last.position + kEndRecordSize};
  } catch (const StreamError&) {
    return std::nullopt;
  }
}

bool ParseCentralHeader(std::string_view bytes, size_t& position, SZIPCentralFileHeader& header) {
  ByteReader reader(bytes, position);
  if (!reader.Has(SZIPCentralFileHeader::kFixedSize)) return false;
  SZIPCentralFileHeader parsed;
  parsed.Sig = reader.Int();
  if (parsed.Sig != SZIPCentralFileHeader::kSignature) return false;
  parsed.VersionMadeBy = reader.Short();
  parsed.VersionToExtract = reader.Short();
  parsed.GeneralBitFlag = reader.Short();
  parsed.CompressionMethod = reader.Short();
  parsed.LastModFileTime = reader.Short();
  parsed.LastModFileDate = reader.Short();
  parsed.DataDescriptor.CRC32 = reader.Int();
  parsed.DataDescriptor.CompressedSize = reader.Int();
  parsed.DataDescriptor.UncompressedSize = reader.Int();
  parsed.FilenameLength = reader.Short();
  parsed.ExtraFieldLength = reader.Short();
  parsed.CommentLength = reader.Short();
  parsed.DiskNumStart = reader.Short();
  parsed.InternalFileAttributes = reader.Short();
  parsed.ExternalFileAttributes = reader.Int();
  parsed.RelativeOffsetOfLocalHeader = reader.Int();
  if (!reader.Has(size_t(parsed.FilenameLength) + parsed.ExtraFieldLength + parsed.CommentLength)) return false;
  parsed.FileName = reader.Text(parsed.FilenameLength);
  parsed.ExtraField = reader.Text(parsed.ExtraFieldLength);
  parsed.FileComment = reader.Text(parsed.CommentLength);
  parsed.LastModDateTime = DecodeDosDateTime(parsed.LastModFileTime, parsed.LastModFileDate);
  header = std::move(parsed);
  position = reader.Position();
  return true;
}

}  // namespace strohvik
