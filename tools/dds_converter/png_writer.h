#pragma once
// Encodes decoded pixels as a PNG file image in memory.

#include <string>

#include "tools/dds_converter/dds_decoder.h"

namespace strohvik {

// A picture whose every pixel is opaque is stored without its alpha channel. The
// compression favours speed over size: the PNG is a short-lived copy for display.
std::string EncodePng(const RgbaImage& image);

}  // namespace strohvik
