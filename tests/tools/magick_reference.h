#pragma once
// ImageMagick's decoding of a DDS file: the independent decoder that the converter's
// pixels are held against.

#include <cstdint>
#include <string>

#include "tools/dds_converter/dds_decoder.h"

namespace strohvik::testing_dds {

// The file's pixels as ImageMagick reads them, of the size the caller expects. Fails the
// current test and returns an empty picture when ImageMagick refuses the file.
RgbaImage DecodeWithImageMagick(const std::string& ddsFile, uint32_t width, uint32_t height);

}  // namespace strohvik::testing_dds
