#pragma once
// Whether a PNG or JPEG file decodes to the end. A file can carry the right signature and
// still be damaged; the window would then show nothing, and the batch inspector must
// report what the window shows.

#include <string_view>

namespace strohvik {

bool DecodesAsPng(std::string_view bytes);
bool DecodesAsJpeg(std::string_view bytes);

}  // namespace strohvik
