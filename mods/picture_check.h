#pragma once
// Whether the picture loader of the window can be given a file: it reads PNG, JPEG, BMP
// and TGA. Only the start of the file is looked at; decoding happens when it is shown.

#include <string>

namespace strohvik {

bool CanShowPicture(const std::string& path);

}  // namespace strohvik
