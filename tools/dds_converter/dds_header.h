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

// Bit masks of an uncompressed pixel of 1 to 4 bytes, read as a little-endian integer.
// A luminance format has its grey mask in all three colours; a zero colour mask gives a
// black channel, a zero alpha mask an opaque picture.
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
// Larger sides are implausible for a texture. Within them, a picture beyond the window's
// limit (platform/picture_limits.h) is refused too.
constexpr uint32_t kDdsMaxSide = 16384;

// Reads the header at the start of the file. fileSize is the whole file's size, so that
// a header promising more data than the file holds is refused before any allocation, as
// is a picture larger than the window shows.
DdsLayout ParseDdsHeader(std::string_view header, int64_t fileSize);

// Whether a file starting with these bytes announces a picture within the window's limit,
// so that the mod reading need not copy a texture out of its archive only to have it
// refused. Bytes that are no DDS header pass: ParseDdsHeader gives the reason for them.
bool DdsWithinPictureLimit(std::string_view fileStart);

}  // namespace strohvik
