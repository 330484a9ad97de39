#include "tests/tools/test_files.h"

#include <gtest/gtest.h>
#include <png.h>

#include <fstream>

namespace strohvik::testing_dds {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::string> SnapshotTree(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[std::filesystem::relative(entry.path(), root).string()] = ReadFile(entry.path());
  }
  return files;
}

// The first entry's data starts right after its local header, name and extra field.
void DamageFirstEntry(const std::filesystem::path& archive) {
  std::string bytes = ReadFile(archive);
  const auto at = [&](size_t offset) { return static_cast<unsigned char>(bytes[offset]); };
  const size_t data = 30 + (at(26) | at(27) << 8) + (at(28) | at(29) << 8);
  bytes[data + 2] = static_cast<char>(bytes[data + 2] ^ 0x55);
  WriteFile(archive, bytes);
}

RgbaImage DecodePng(const std::string& bytes, bool* hasAlpha) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    ADD_FAILURE() << "not a PNG: " << image.message;
    return {};
  }
  if (hasAlpha) *hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_RGBA;
  RgbaImage decoded{image.width, image.height, std::vector<uint8_t>(PNG_IMAGE_SIZE(image))};
  if (!png_image_finish_read(&image, nullptr, decoded.pixels.data(), 0, nullptr)) {
    ADD_FAILURE() << "damaged PNG: " << image.message;
    return {};
  }
  return decoded;
}

}  // namespace strohvik::testing_dds
