#pragma once
// Limits that keep hostile archives from exhausting memory or disk.

#include <cstddef>
#include <cstdint>

namespace strohvik {

// The most an entry may unpack to unless the reader is given another cap.
inline constexpr int64_t kDefaultExtractLimit = int64_t{2} << 30;
// The largest block a ZipRamStream allocates.
inline constexpr int64_t kZipRamStreamLimit = int64_t{2} << 30;
// Deflate cannot expand its input by more than this factor, so a larger declared size
// is a lie told to make the reader allocate.
inline constexpr int64_t kMaxDeflateRatio = 1032;
// Without ZIP64, entry sizes are 32-bit: the writer refuses sources this large.
inline constexpr int64_t kWriterSourceLimit = int64_t{4} << 30;
// The longest archive comment the end record can announce.
inline constexpr size_t kLongestArchiveComment = 0xFFFF;

}  // namespace strohvik
