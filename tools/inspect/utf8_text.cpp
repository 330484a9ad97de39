#include "tools/inspect/utf8_text.h"

#include <cstdint>

namespace strohvik {

size_t Utf8SequenceLength(const std::string& bytes, size_t at) {
  const auto byte = [&bytes](size_t index) { return static_cast<uint8_t>(bytes[index]); };
  const uint8_t lead = byte(at);
  if (lead < 0x80) return 1;
  size_t length = 0;
  uint8_t lowest = 0x80, highest = 0xbf;  // the range of the byte after the lead
  if (lead >= 0xc2 && lead <= 0xdf) length = 2;
  else if (lead >= 0xe0 && lead <= 0xef) length = 3;
  else if (lead >= 0xf0 && lead <= 0xf4) length = 4;
  else return 0;
  // No overlong forms, no surrogates, nothing above U+10FFFF.
  if (lead == 0xe0) lowest = 0xa0;
  if (lead == 0xed) highest = 0x9f;
  if (lead == 0xf0) lowest = 0x90;
  if (lead == 0xf4) highest = 0x8f;
  if (at + length > bytes.size()) return 0;
  if (byte(at + 1) < lowest || byte(at + 1) > highest) return 0;
  for (size_t next = 2; next < length; ++next) {
    if (byte(at + next) < 0x80 || byte(at + next) > 0xbf) return 0;
  }
  return length;
}

namespace {

void AppendLatin1(std::string& text, uint8_t byte) {
  text += static_cast<char>(0xc0 | (byte >> 6));
  text += static_cast<char>(0x80 | (byte & 0x3f));
}

}  // namespace

std::string AsUtf8(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = Utf8SequenceLength(bytes, at);
    if (length == 0) {
      AppendLatin1(text, static_cast<uint8_t>(bytes[at]));
      ++at;
    } else {
      text.append(bytes, at, length);
      at += length;
    }
  }
  return text;
}

}  // namespace strohvik
