#pragma once
// DDS files made by the tests themselves: a known picture, block-compressed with
// libsquish or packed by channel masks, behind a header written here.

#include <cstdint>
#include <string>

#include "tools/dds_converter/dds_decoder.h"

namespace strohvik::testing_dds {

enum class AlphaPattern { Opaque, Ramp, CutOut };

// Smooth, distinct waves in red, green and blue, which block compression keeps close;
// the alpha pattern is all 255, a wave, or only 0 and 255.
RgbaImage MakePicture(uint32_t width, uint32_t height, AlphaPattern alpha);

struct DdsFields {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t pixelFormatFlags = 0;
  std::string fourCc = std::string(4, '\0');
  uint32_t bitCount = 0;
  DdsChannelMasks masks;
  uint32_t mipMapCount = 1;
  uint32_t headerSize = 124;
};

// The 128 header bytes, magic included.
std::string DdsHeader(const DdsFields& fields);

// A DXT1, DXT3 or DXT5 file. With a second mip level, whose bytes are junk, so that a
// decoder reading past the top level shows it.
std::string MakeBlockDds(const RgbaImage& picture, DdsFormat format, bool withSecondLevel = false);

// An uncompressed file of 24 or 32 bits a pixel with the given masks; a zero alpha mask
// writes no alpha flag.
std::string MakeUncompressedDds(const RgbaImage& picture, uint32_t bitCount, const DdsChannelMasks& masks);

// The largest difference in red, green or blue between two pictures of one size. With
// onlyVisiblePixels, pixels that are transparent in the expected picture are skipped.
int MaxColourDifference(const RgbaImage& expected, const RgbaImage& actual, bool onlyVisiblePixels = false);
int MaxAlphaDifference(const RgbaImage& expected, const RgbaImage& actual);

}  // namespace strohvik::testing_dds
