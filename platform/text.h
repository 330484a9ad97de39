#pragma once
// Byte-string helpers. Text is kept as bytes (UTF-8 or the 8-bit text of XML files and
// zip names); letter case is folded for ASCII only, so no byte sequence is altered.

#include <cstdint>
#include <string>
#include <string_view>

namespace strohvik {

std::string AsciiLower(std::string_view text);
// Compares without copying, for lookups over thousands of names.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view end);
// A file size as a player reads it: "350 KB", "12 MB", rounded up.
std::string SizeInWords(int64_t bytes);

}  // namespace strohvik
