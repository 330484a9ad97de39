// Arbitrary bytes as a DDS texture, decoded as the converter decodes one in process and
// encoded as the PNG it would write. A decoded picture has four bytes for each pixel of
// its size.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tools/dds_converter/dds_decoder.h"
#include "tools/dds_converter/png_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace strohvik;
  try {
    const RgbaImage image = DecodeDds(std::string_view(reinterpret_cast<const char*>(data), size));
    if (image.pixels.size() != size_t{4} * image.width * image.height) std::abort();
    EncodePng(image);
  } catch (const DdsError&) {
  }
  return 0;
}
