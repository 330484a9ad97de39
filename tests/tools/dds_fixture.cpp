#include "tests/tools/dds_fixture.h"

#include <squish.h>

#include <bit>
#include <cstdlib>
#include <stdexcept>

namespace strohvik::testing_dds {
namespace {

constexpr uint32_t kFlagsCapsHeightWidthPixelFormat = 0x1 | 0x2 | 0x4 | 0x1000;
constexpr uint32_t kFlagMipMapCount = 0x20000;
constexpr uint32_t kPixelFormatAlpha = 0x1;
constexpr uint32_t kPixelFormatAlphaOnly = 0x2;
constexpr uint32_t kPixelFormatFourCc = 0x4;
constexpr uint32_t kPixelFormatRgb = 0x40;
constexpr uint32_t kPixelFormatLuminance = 0x20000;

void PutUint32(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (8 * i));
}

// Rises and falls by a fixed step a pixel, so a 4 x 4 block spans the same range of
// values whatever the picture's size.
uint8_t Triangle(uint32_t position) {
  const uint32_t phase = (position * 4) % 510;
  return uint8_t(phase <= 255 ? phase : 510 - phase);
}

uint8_t AlphaAt(AlphaPattern pattern, uint32_t x, uint32_t y) {
  switch (pattern) {
    case AlphaPattern::Opaque: return 255;
    case AlphaPattern::Ramp: return Triangle(x + 2 * y);
    case AlphaPattern::CutOut: return (x / 3 + y / 3) % 2 ? 255 : 0;
  }
  return 255;
}

uint32_t PixelFormatFlags(ChannelKind kind, const DdsChannelMasks& masks) {
  const uint32_t alpha = masks.alpha ? kPixelFormatAlpha : 0;
  switch (kind) {
    case ChannelKind::Rgb: return kPixelFormatRgb | alpha;
    case ChannelKind::Luminance: return kPixelFormatLuminance | alpha;
    case ChannelKind::AlphaOnly: return kPixelFormatAlphaOnly;
  }
  return 0;
}

struct BlockFormatInfo {
  const char* fourCc;
  int squishFlags;
};

BlockFormatInfo InfoOf(DdsFormat format) {
  switch (format) {
    case DdsFormat::Dxt1: return {"DXT1", squish::kDxt1};
    case DdsFormat::Dxt3: return {"DXT3", squish::kDxt3};
    case DdsFormat::Dxt5: return {"DXT5", squish::kDxt5};
    case DdsFormat::Uncompressed: break;
  }
  throw std::logic_error("not a block format");
}

std::string Compress(const RgbaImage& picture, int squishFlags) {
  std::string blocks(size_t(squish::GetStorageRequirements(int(picture.width), int(picture.height), squishFlags)),
                     '\0');
  squish::CompressImage(picture.pixels.data(), int(picture.width), int(picture.height), blocks.data(),
                        squishFlags);
  return blocks;
}

uint32_t PackChannel(uint8_t value, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t maximum = mask >> shift;
  return uint32_t((uint64_t(value) * maximum + 127) / 255) << shift;
}

int MaxDifference(const RgbaImage& expected, const RgbaImage& actual, int firstChannel, int lastChannel,
                  bool onlyVisiblePixels) {
  if (expected.width != actual.width || expected.height != actual.height) return 256;
  int worst = 0;
  for (size_t pixel = 0; pixel < expected.pixels.size(); pixel += 4) {
    if (onlyVisiblePixels && expected.pixels[pixel + 3] < 128) continue;
    for (int channel = firstChannel; channel <= lastChannel; ++channel) {
      worst = std::max(worst, std::abs(int(expected.pixels[pixel + channel]) - int(actual.pixels[pixel + channel])));
    }
  }
  return worst;
}

}  // namespace

RgbaImage MakePicture(uint32_t width, uint32_t height, AlphaPattern alpha, Colours colours) {
  RgbaImage picture{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
  uint8_t* pixel = picture.pixels.data();
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x, pixel += 4) {
      const uint8_t grey = colours == Colours::Grey ? Triangle(x + y + 40) : 0;
      pixel[0] = colours == Colours::Waves ? Triangle(x) : grey;
      pixel[1] = colours == Colours::Waves ? Triangle(y + 20) : grey;
      pixel[2] = colours == Colours::Waves ? Triangle(x + y + 40) : grey;
      pixel[3] = AlphaAt(alpha, x, y);
    }
  }
  return picture;
}

DdsFields BlockFields(const std::string& fourCc, uint32_t width, uint32_t height) {
  DdsFields fields;
  fields.width = width;
  fields.height = height;
  fields.pixelFormatFlags = 0x4;
  fields.fourCc = fourCc;
  return fields;
}

std::string DdsHeader(const DdsFields& fields) {
  std::string header(128, '\0');
  header.replace(0, 4, "DDS ");
  PutUint32(header, 4, fields.headerSize);
  PutUint32(header, 8, kFlagsCapsHeightWidthPixelFormat | (fields.mipMapCount > 1 ? kFlagMipMapCount : 0));
  PutUint32(header, 12, fields.height);
  PutUint32(header, 16, fields.width);
  PutUint32(header, 28, fields.mipMapCount);
  PutUint32(header, 76, 32);
  PutUint32(header, 80, fields.pixelFormatFlags);
  header.replace(84, 4, fields.fourCc.substr(0, 4));
  PutUint32(header, 88, fields.bitCount);
  PutUint32(header, 92, fields.masks.red);
  PutUint32(header, 96, fields.masks.green);
  PutUint32(header, 100, fields.masks.blue);
  PutUint32(header, 104, fields.masks.alpha);
  PutUint32(header, 108, 0x1000);  // caps: texture
  return header;
}

std::string MakeBlockDds(const RgbaImage& picture, DdsFormat format, bool withSecondLevel) {
  const BlockFormatInfo info = InfoOf(format);
  DdsFields fields;
  fields.width = picture.width;
  fields.height = picture.height;
  fields.pixelFormatFlags = kPixelFormatFourCc;
  fields.fourCc = info.fourCc;
  fields.mipMapCount = withSecondLevel ? 2 : 1;
  std::string file = DdsHeader(fields) + Compress(picture, info.squishFlags);
  if (withSecondLevel) {
    const int junkSize = squish::GetStorageRequirements(int(std::max(1u, picture.width / 2)),
                                                        int(std::max(1u, picture.height / 2)), info.squishFlags);
    file.append(size_t(junkSize), '\xab');
  }
  return file;
}

std::string MakeUncompressedDds(const RgbaImage& picture, uint32_t bitCount, const DdsChannelMasks& masks,
                                ChannelKind kind) {
  DdsFields fields;
  fields.width = picture.width;
  fields.height = picture.height;
  fields.pixelFormatFlags = PixelFormatFlags(kind, masks);
  fields.bitCount = bitCount;
  fields.masks = masks;
  std::string file = DdsHeader(fields);
  for (size_t at = 0; at < picture.pixels.size(); at += 4) {
    const uint8_t* pixel = &picture.pixels[at];
    const uint32_t packed = PackChannel(pixel[0], masks.red) | PackChannel(pixel[1], masks.green) |
                            PackChannel(pixel[2], masks.blue) | PackChannel(pixel[3], masks.alpha);
    for (uint32_t byte = 0; byte < bitCount / 8; ++byte) file += char(packed >> (8 * byte));
  }
  return file;
}

int MaxColourDifference(const RgbaImage& expected, const RgbaImage& actual, bool onlyVisiblePixels) {
  return MaxDifference(expected, actual, 0, 2, onlyVisiblePixels);
}

int MaxAlphaDifference(const RgbaImage& expected, const RgbaImage& actual) {
  return MaxDifference(expected, actual, 3, 3, false);
}

}  // namespace strohvik::testing_dds
