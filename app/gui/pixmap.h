#pragma once
// An in-memory picture. Pixels are read and written as packed ARGB (alpha in the top
// byte, then red, green, blue) whatever the storage format. A sub-picture made by
// Window shares the pixels of its source, so writing into one shows in the other.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace strohvik {

enum PixelFormat : int {
  kPixelFormatRGB888 = 3,    // bytes red, green, blue
  kPixelFormatRGBA8888 = 6,  // bytes red, green, blue, alpha
};

class TPixmap {
 public:
  // Rows are padded to a multiple of align bytes; 0 x 0 is an empty picture. Unknown
  // formats and negative sizes throw.
  static std::shared_ptr<TPixmap> Create(int width, int height, int format = kPixelFormatRGBA8888, int align = 4);
  // Decodes PNG, JPEG or BMP from any stream URL ("incbin::..." included); null when the
  // stream cannot be opened or the picture not decoded.
  static std::shared_ptr<TPixmap> Load(const std::string& url);
  static std::shared_ptr<TPixmap> Decode(const std::string& bytes);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Format() const { return format_; }
  int Pitch() const { return pitch_; }
  int BytesPerPixel() const;

  uint32_t ReadPixel(int x, int y) const;
  void WritePixel(int x, int y, uint32_t argb);
  void ClearPixels(uint32_t argb);

  // Start of row y; rows are Pitch() bytes apart.
  uint8_t* Row(int y);
  const uint8_t* Row(int y) const;

  // A copy with pixels of its own.
  std::shared_ptr<TPixmap> Copy() const;
  std::shared_ptr<TPixmap> Convert(int format) const;
  // The rectangle (x, y, width, height), sharing this picture's pixels. Out-of-range
  // rectangles throw.
  std::shared_ptr<TPixmap> Window(int x, int y, int width, int height) const;

 private:
  TPixmap(int width, int height, int format, int pitch, std::shared_ptr<std::vector<uint8_t>> pixels, size_t offset);

  uint8_t* PixelAt(int x, int y) const;

  int width_;
  int height_;
  int format_;
  int pitch_;
  std::shared_ptr<std::vector<uint8_t>> pixels_;
  size_t offset_;
};

using PixmapPtr = std::shared_ptr<TPixmap>;

}  // namespace strohvik
