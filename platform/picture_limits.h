#pragma once
// The largest picture the program makes or checks. The window's picture loader refuses
// to allocate more than 256 MiB for one picture, which is 8192 x 8192 pixels of 4 bytes;
// the texture converter refuses a larger texture from its header and the picture check
// refuses a larger PNG or JPEG, so neither spends seconds on what the window never shows.

#include <cstdint>

namespace strohvik {

inline constexpr uint64_t kLargestPictureSide = 8192;
inline constexpr uint64_t kLargestPicturePixels = kLargestPictureSide * kLargestPictureSide;

// Each side below 2^32, as every picture header stores it, so the product cannot overflow.
constexpr bool FitsPictureLimit(uint64_t width, uint64_t height) { return width * height <= kLargestPicturePixels; }

}  // namespace strohvik
