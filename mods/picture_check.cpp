#include "mods/picture_check.h"

#include <cstdint>
#include <functional>
#include <string_view>

#include "mods/picture_decoding.h"
#include "platform/file_system.h"
#include "platform/stream.h"

namespace strohvik {
namespace {

constexpr size_t kTgaHeaderSize = 18;

bool StartsWith(std::string_view bytes, std::string_view signature) { return bytes.substr(0, signature.size()) == signature; }

// TGA has no magic number; its header is plausible when the colour map type, the image
// type and the pixel depth hold values the format defines and the picture is not empty.
bool IsTgaHeader(std::string_view bytes) {
  if (bytes.size() < kTgaHeaderSize) return false;
  const auto byte = [&bytes](size_t at) { return static_cast<uint8_t>(bytes[at]); };
  const bool colourMapType = byte(1) <= 1;
  const uint8_t type = byte(2);
  const bool imageType = type == 1 || type == 2 || type == 3 || type == 9 || type == 10 || type == 11;
  const uint8_t depth = byte(16);
  const bool pixelDepth = depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
  const bool notEmpty = (byte(12) | byte(13)) != 0 && (byte(14) | byte(15)) != 0;
  return colourMapType && imageType && pixelDepth && notEmpty;
}

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr std::string_view kJpegSignature("\xff\xd8\xff", 3);
constexpr std::string_view kBmpSignature("BM", 2);
// Far above any store picture; a larger file is not read into memory to be checked.
constexpr int64_t kLargestCheckedFile = int64_t{64} << 20;

std::string ReadStart(const std::string& path) {
  std::string bytes(kTgaHeaderSize, '\0');
  const auto stream = ReadStream(path);
  if (!stream) return {};
  bytes.resize(static_cast<size_t>(stream->Read(bytes.data(), static_cast<int64_t>(bytes.size()))));
  stream->Close();
  return bytes;
}

// Empty when the file cannot be read or is larger than any picture worth checking.
std::string ReadWhole(const std::string& path) {
  std::string bytes;
  const auto stream = ReadStream(path);
  if (!stream || !stream->ReadAll(bytes, kLargestCheckedFile)) bytes.clear();
  if (stream) stream->Close();
  return bytes;
}

// whole gives all of the picture, or nothing when it is larger than any picture worth
// checking.
bool PictureShows(std::string_view start, const std::function<std::string_view()>& whole) {
  if (StartsWith(start, kPngSignature)) return DecodesAsPng(whole());
  if (StartsWith(start, kJpegSignature)) return DecodesAsJpeg(whole());
  return StartsWith(start, kBmpSignature) || IsTgaHeader(start);
}

}  // namespace

bool CanShowPicture(const std::string& path) {
  if (!IsFile(path)) return false;
  std::string bytes;
  return PictureShows(ReadStart(path), [&]() -> std::string_view {
    bytes = ReadWhole(path);
    return bytes;
  });
}

bool CanShowPictureInMemory(std::string_view bytes, bool whole) {
  return PictureShows(bytes, [&] { return whole && int64_t(bytes.size()) <= kLargestCheckedFile ? bytes : std::string_view(); });
}

}  // namespace strohvik
