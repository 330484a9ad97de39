#pragma once
// DDS files made by the tests themselves: a known picture, block-compressed with
// libsquish or packed by channel masks, behind a header written here.

#include <cstdint>
#include <string>

#include "tools/dds_converter/dds_decoder.h"

namespace strohvik::testing_dds {

enum class AlphaPattern { Opaque, Ramp, CutOut };
// Grey is what a luminance format holds, black what an alpha-only format decodes to.
enum class Colours { Waves, Grey, Black };

// Smooth, distinct waves in red, green and blue, which block compression keeps close (or
// one wave in all three, or none); the alpha pattern is all 255, a wave unlike the
// colour waves, or only 0 and 255.
RgbaImage MakePicture(uint32_t width, uint32_t height, AlphaPattern alpha, Colours colours = Colours::Waves);

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

// The header fields of a block-compressed texture ("DXT1", "DXT5" or any other code).
DdsFields BlockFields(const std::string& fourCc, uint32_t width, uint32_t height);

// The 128 header bytes, magic included.
std::string DdsHeader(const DdsFields& fields);

// A DXT1, DXT3 or DXT5 file. With a second mip level, whose bytes are junk, so that a
// decoder reading past the top level shows it.
std::string MakeBlockDds(const RgbaImage& picture, DdsFormat format, bool withSecondLevel = false);

// How the pixel format flags name the masked channels.
enum class ChannelKind { Rgb, Luminance, AlphaOnly };

// An uncompressed file of 8 to 32 bits a pixel with the given masks; a zero alpha mask
// writes no alpha flag. A luminance file packs the red channel under masks.red and writes
// no green or blue mask; an alpha-only file packs alpha alone.
std::string MakeUncompressedDds(const RgbaImage& picture, uint32_t bitCount, const DdsChannelMasks& masks,
                                ChannelKind kind = ChannelKind::Rgb);

// The largest difference in red, green or blue between two pictures of one size. With
// onlyVisiblePixels, pixels that are transparent in the expected picture are skipped.
int MaxColourDifference(const RgbaImage& expected, const RgbaImage& actual, bool onlyVisiblePixels = false);
int MaxAlphaDifference(const RgbaImage& expected, const RgbaImage& actual);

}  // namespace strohvik::testing_dds
