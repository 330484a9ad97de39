#pragma once
// Texts from mod descriptions are bytes in whatever encoding their author used. The
// report is UTF-8, so bytes that do not form UTF-8 are read as Latin-1, the usual
// encoding of older descriptions.

#include <string>

namespace strohvik {

std::string AsUtf8(const std::string& bytes);

}  // namespace strohvik
