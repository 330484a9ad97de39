#include "platform/text.h"

namespace strohvik {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualsIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}

std::string SizeInWords(int64_t bytes) {
  constexpr int64_t kKilo = 1024, kMega = kKilo * kKilo;
  if (bytes < 0) bytes = 0;
  if (bytes < kMega) return std::to_string((bytes + kKilo - 1) / kKilo) + " KB";
  return std::to_string((bytes + kMega - 1) / kMega) + " MB";
}

}  // namespace strohvik
