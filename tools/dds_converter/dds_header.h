#pragma once
// The DDS file header: where the top mip level lies and how its pixels are stored.

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace strohvik {

// Raised for a file that is not a DDS texture this converter can read: damaged,
// truncated, absurdly large or in a format it does not know.
class DdsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class DdsFormat { Dxt1, Dxt3, Dxt5, Uncompressed };

// Bit masks of an uncompressed pixel, read as a little-endian integer. A zero alpha
// mask means the picture is opaque.
struct DdsChannelMasks {
  uint32_t red = 0;
  uint32_t green = 0;
  uint32_t blue = 0;
  uint32_t alpha = 0;
};

struct DdsLayout {
  uint32_t width = 0;
  uint32_t height = 0;
  DdsFormat format = DdsFormat::Dxt1;
  uint32_t bytesPerPixel = 0;  // uncompressed only
  DdsChannelMasks masks;       // uncompressed only
  int64_t dataOffset = 0;      // where the top mip level starts in the file
  int64_t dataSize = 0;        // bytes of the top mip level
};

// Bytes of the fixed header, the "DDS " magic included.
constexpr int64_t kDdsHeaderSize = 128;
// Larger sides are refused before anything is allocated for them.
constexpr uint32_t kDdsMaxSide = 16384;

// Reads the header at the start of the file. fileSize is the whole file's size, so that
// a header promising more data than the file holds is refused before any allocation.
DdsLayout ParseDdsHeader(std::string_view header, int64_t fileSize);

}  // namespace strohvik
