#include "tools/dds_converter/dds_decoder.h"

#include <squish.h>

#include <algorithm>
#include <bit>

#include "platform/stream.h"

namespace strohvik {
namespace {

int SquishFlags(DdsFormat format) {
  switch (format) {
    case DdsFormat::Dxt1: return squish::kDxt1;
    case DdsFormat::Dxt3: return squish::kDxt3;
    case DdsFormat::Dxt5: return squish::kDxt5;
    case DdsFormat::Uncompressed: break;
  }
  throw std::logic_error("not a block format");
}

// Takes one channel out of a packed pixel and widens or narrows it to 8 bits, as
// value * 255 / maximum rounded down: so does ImageMagick, which the tests compare with.
class ChannelExtractor {
 public:
  ChannelExtractor(uint32_t mask, uint8_t absentValue)
      : mask_(mask),
        shift_(mask == 0 ? 0 : std::countr_zero(mask)),
        maximum_(mask >> shift_),
        absentValue_(absentValue) {}

  uint8_t operator()(uint32_t pixel) const {
    if (mask_ == 0) return absentValue_;
    const uint32_t value = (pixel & mask_) >> shift_;
    return uint8_t(uint64_t(value) * 255 / maximum_);
  }

 private:
  uint32_t mask_;
  int shift_;
  uint32_t maximum_;
  uint8_t absentValue_;
};

void DecodeUncompressed(const DdsLayout& layout, const uint8_t* source, uint8_t* target, int64_t pixelCount) {
  const ChannelExtractor red(layout.masks.red, 0);
  const ChannelExtractor green(layout.masks.green, 0);
  const ChannelExtractor blue(layout.masks.blue, 0);
  const ChannelExtractor alpha(layout.masks.alpha, 255);
  for (int64_t i = 0; i < pixelCount; ++i, source += layout.bytesPerPixel, target += 4) {
    uint32_t pixel = 0;
    for (uint32_t byte = 0; byte < layout.bytesPerPixel; ++byte) pixel |= uint32_t(source[byte]) << (8 * byte);
    target[0] = red(pixel);
    target[1] = green(pixel);
    target[2] = blue(pixel);
    target[3] = alpha(pixel);
  }
}

}  // namespace

RgbaImage DecodeTopLevel(const DdsLayout& layout, std::string_view levelData) {
  if (int64_t(levelData.size()) < layout.dataSize) throw std::logic_error("top mip level incomplete");
  RgbaImage image;
  image.width = layout.width;
  image.height = layout.height;
  const int64_t pixelCount = int64_t(layout.width) * layout.height;
  image.pixels.resize(size_t(pixelCount) * 4);
  const auto* source = reinterpret_cast<const uint8_t*>(levelData.data());
  if (layout.format == DdsFormat::Uncompressed) {
    DecodeUncompressed(layout, source, image.pixels.data(), pixelCount);
  } else {
    squish::DecompressImage(image.pixels.data(), int(layout.width), int(layout.height), source,
                            SquishFlags(layout.format));
  }
  return image;
}

RgbaImage DecodeDds(std::string_view file) {
  const DdsLayout layout = ParseDdsHeader(file, int64_t(file.size()));
  return DecodeTopLevel(layout, file.substr(size_t(layout.dataOffset), size_t(layout.dataSize)));
}

RgbaImage ReadDdsFile(const std::string& path) {
  const StreamPtr stream = ReadStream(path);
  if (!stream) throw DdsError("cannot open the file");
  try {
    const int64_t fileSize = stream->Size();
    if (fileSize < 0) throw DdsError("cannot read the file");
    std::string header(size_t(std::min(fileSize, kDdsHeaderSize)), '\0');
    stream->ReadBytes(header.data(), int64_t(header.size()));
    const DdsLayout layout = ParseDdsHeader(header, fileSize);
    std::string levelData(size_t(layout.dataSize), '\0');
    stream->Seek(layout.dataOffset);
    stream->ReadBytes(levelData.data(), layout.dataSize);
    return DecodeTopLevel(layout, levelData);
  } catch (const StreamError&) {
    throw DdsError("cannot read the file");
  }
}

}  // namespace strohvik
