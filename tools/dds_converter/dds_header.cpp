#include "tools/dds_converter/dds_header.h"

#include <bit>
#include <cstdio>
#include <string>

#include "platform/picture_limits.h"

namespace strohvik {
namespace {

// Offsets inside the header, counted from the start of the file (the magic included).
constexpr size_t kHeaderSizeField = 4;
constexpr size_t kHeightField = 12;
constexpr size_t kWidthField = 16;
constexpr size_t kPixelFormatFlagsField = 80;
constexpr size_t kFourCcField = 84;
constexpr size_t kBitCountField = 88;
constexpr size_t kRedMaskField = 92;
constexpr size_t kGreenMaskField = 96;
constexpr size_t kBlueMaskField = 100;
constexpr size_t kAlphaMaskField = 104;

constexpr uint32_t kHeaderSizeValue = 124;  // the header without the magic

constexpr uint32_t kHasAlphaPixels = 0x1;
constexpr uint32_t kHasAlphaOnly = 0x2;
constexpr uint32_t kHasFourCc = 0x4;
constexpr uint32_t kHasRgb = 0x40;
constexpr uint32_t kHasLuminance = 0x20000;
constexpr uint32_t kHasMaskedPixels = kHasRgb | kHasLuminance | kHasAlphaOnly;

struct BlockFormat {
  std::string_view fourCc;
  DdsFormat format;
  int64_t bytesPerBlock;
};

constexpr BlockFormat kBlockFormats[] = {
    {"DXT1", DdsFormat::Dxt1, 8},
    {"DXT3", DdsFormat::Dxt3, 16},
    {"DXT5", DdsFormat::Dxt5, 16},
};

uint32_t ReadUint32(std::string_view bytes, size_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::string Printable(std::string_view fourCc) {
  std::string text;
  for (const unsigned char c : fourCc) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
    text += escaped;
  }
  return text;
}

int64_t BlocksAlong(uint32_t side) { return (int64_t(side) + 3) / 4; }

void ReadBlockFormat(std::string_view header, DdsLayout& layout) {
  const std::string_view fourCc = header.substr(kFourCcField, 4);
  for (const BlockFormat& known : kBlockFormats) {
    if (fourCc == known.fourCc) {
      layout.format = known.format;
      layout.dataSize = BlocksAlong(layout.width) * BlocksAlong(layout.height) * known.bytesPerBlock;
      return;
    }
  }
  throw DdsError("unsupported compression \"" + Printable(fourCc) + "\"");
}

void CheckMask(uint32_t mask, uint32_t bitCount, const char* channel) {
  const uint64_t usable = (uint64_t(1) << bitCount) - 1;
  const uint32_t shifted = mask == 0 ? 0 : mask >> std::countr_zero(mask);
  if (mask > usable || (shifted & (shifted + 1)) != 0) {
    throw DdsError(std::string("invalid ") + channel + " mask in the pixel format");
  }
}

// A luminance pixel keeps its one grey channel under the red mask, which then stands for
// all three colours. An alpha-only pixel keeps its channel under the alpha mask and has
// no colour: it is black, as Direct3D samples it.
DdsChannelMasks ReadMasks(std::string_view header, uint32_t flags) {
  DdsChannelMasks masks;
  if (flags & kHasRgb) {
    masks.red = ReadUint32(header, kRedMaskField);
    masks.green = ReadUint32(header, kGreenMaskField);
    masks.blue = ReadUint32(header, kBlueMaskField);
  } else if (flags & kHasLuminance) {
    masks.red = masks.green = masks.blue = ReadUint32(header, kRedMaskField);
  }
  if (flags & (kHasAlphaPixels | kHasAlphaOnly)) masks.alpha = ReadUint32(header, kAlphaMaskField);
  return masks;
}

void ReadMaskedFormat(std::string_view header, uint32_t flags, DdsLayout& layout) {
  const uint32_t bitCount = ReadUint32(header, kBitCountField);
  if (bitCount == 0 || bitCount > 32 || bitCount % 8 != 0) {
    throw DdsError("unsupported pixel size of " + std::to_string(bitCount) + " bits");
  }
  layout.format = DdsFormat::Uncompressed;
  layout.bytesPerPixel = bitCount / 8;
  layout.masks = ReadMasks(header, flags);
  CheckMask(layout.masks.red, bitCount, "red");
  CheckMask(layout.masks.green, bitCount, "green");
  CheckMask(layout.masks.blue, bitCount, "blue");
  CheckMask(layout.masks.alpha, bitCount, "alpha");
  // Rows are packed without padding.
  layout.dataSize = int64_t(layout.width) * layout.height * layout.bytesPerPixel;
}

std::string SizeText(uint64_t width, uint64_t height) { return std::to_string(width) + " x " + std::to_string(height); }

// Both refusals come before anything is allocated, so a texture the window could never
// show costs no more than reading its header.
void CheckSize(const DdsLayout& layout) {
  if (layout.width == 0 || layout.height == 0 || layout.width > kDdsMaxSide || layout.height > kDdsMaxSide) {
    throw DdsError("implausible picture size " + SizeText(layout.width, layout.height));
  }
  if (!FitsPictureLimit(layout.width, layout.height)) {
    throw DdsError("picture too large to show: " + SizeText(layout.width, layout.height) + ", at most " +
                   SizeText(kLargestPictureSide, kLargestPictureSide) + " pixels");
  }
}

}  // namespace

DdsLayout ParseDdsHeader(std::string_view header, int64_t fileSize) {
  if (header.size() < size_t(kDdsHeaderSize) || header.substr(0, 4) != "DDS ") {
    throw DdsError("not a DDS file");
  }
  if (ReadUint32(header, kHeaderSizeField) != kHeaderSizeValue) throw DdsError("damaged DDS header");

  DdsLayout layout;
  layout.width = ReadUint32(header, kWidthField);
  layout.height = ReadUint32(header, kHeightField);
  CheckSize(layout);

  const uint32_t flags = ReadUint32(header, kPixelFormatFlagsField);
  if (flags & kHasFourCc) {
    ReadBlockFormat(header, layout);
  } else if (flags & kHasMaskedPixels) {
    ReadMaskedFormat(header, flags, layout);
  } else {
    throw DdsError("unsupported pixel format");
  }

  layout.dataOffset = kDdsHeaderSize;
  if (fileSize - layout.dataOffset < layout.dataSize) throw DdsError("truncated DDS file");
  return layout;
}

bool DdsWithinPictureLimit(std::string_view fileStart) {
  if (fileStart.size() < kWidthField + 4 || fileStart.substr(0, 4) != "DDS ") return true;
  return FitsPictureLimit(ReadUint32(fileStart, kWidthField), ReadUint32(fileStart, kHeightField));
}

}  // namespace strohvik
