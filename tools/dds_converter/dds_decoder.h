#pragma once
// Decodes the top mip level of a DDS texture into plain RGBA pixels.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dds_converter/dds_header.h"

namespace strohvik {

// Rows top to bottom, 4 bytes per pixel: red, green, blue, alpha.
struct RgbaImage {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> pixels;
};

// levelData holds layout.dataSize bytes, the top mip level.
RgbaImage DecodeTopLevel(const DdsLayout& layout, std::string_view levelData);
// A whole DDS file in memory. Throws DdsError.
RgbaImage DecodeDds(std::string_view file);
// Reads only the header and the top mip level from disk. Throws DdsError.
RgbaImage ReadDdsFile(const std::string& path);

}  // namespace strohvik
