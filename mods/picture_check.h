#pragma once
// Whether the picture loader of the window can be given a file: it reads PNG, JPEG, BMP
// and TGA. PNG and JPEG files are decoded to the end, so that a damaged picture is
// reported by every reader of a mod alike; of BMP and TGA only the header is looked at.

#include <string>
#include <string_view>

namespace strohvik {

bool CanShowPicture(const std::string& path);
// The same for a picture in memory: bytes holds all of it, or only its start when whole
// is false, as for a picture too large to be checked.
bool CanShowPictureInMemory(std::string_view bytes, bool whole);

}  // namespace strohvik
