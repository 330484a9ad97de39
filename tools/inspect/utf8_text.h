#pragma once
// Texts from mod descriptions are bytes in whatever encoding their author used. The
// report is UTF-8, so bytes that do not form UTF-8 are read as Latin-1, the usual
// encoding of older descriptions.

#include <string>

namespace strohvik {

std::string AsUtf8(const std::string& bytes);
// The length of the well-formed UTF-8 sequence starting at bytes[at], or 0.
size_t Utf8SequenceLength(const std::string& bytes, size_t at);

}  // namespace strohvik
