#include "app/gui/pixmap.h"

#include <stdexcept>

#include "platform/stream.h"

namespace strohvik {
namespace {

int BytesPerPixelOf(int format) {
  switch (format) {
    case kPixelFormatRGB888: return 3;
    case kPixelFormatRGBA8888: return 4;
    default: throw std::invalid_argument("unknown pixel format " + std::to_string(format));
  }
}

}  // namespace

TPixmap::TPixmap(int width, int height, int format, int pitch, std::shared_ptr<std::vector<uint8_t>> pixels,
                 size_t offset)
    : width_(width), height_(height), format_(format), pitch_(pitch), pixels_(std::move(pixels)), offset_(offset) {}

std::shared_ptr<TPixmap> TPixmap::Create(int width, int height, int format, int align) {
  if (width < 0 || height < 0 || align <= 0) throw std::invalid_argument("bad pixmap size");
  const int rowBytes = width * BytesPerPixelOf(format);
  const int pitch = (rowBytes + align - 1) / align * align;
  auto pixels = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(pitch) * height);
  return std::shared_ptr<TPixmap>(new TPixmap(width, height, format, pitch, std::move(pixels), 0));
}

std::shared_ptr<TPixmap> TPixmap::Load(const std::string& url) {
  StreamPtr stream = ReadStream(url);
  if (!stream) return nullptr;
  std::string bytes;
  if (!stream->ReadAll(bytes, int64_t{256} << 20)) return nullptr;
  return Decode(bytes);
}

int TPixmap::BytesPerPixel() const { return BytesPerPixelOf(format_); }

uint8_t* TPixmap::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel outside the pixmap");
  return pixels_->data() + offset_ + static_cast<size_t>(y) * pitch_ + static_cast<size_t>(x) * BytesPerPixel();
}

uint8_t* TPixmap::Row(int y) { return PixelAt(0, y); }
const uint8_t* TPixmap::Row(int y) const { return PixelAt(0, y); }

uint32_t TPixmap::ReadPixel(int x, int y) const {
  const uint8_t* p = PixelAt(x, y);
  const uint32_t alpha = format_ == kPixelFormatRGBA8888 ? p[3] : 255;
  return alpha << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
}

void TPixmap::WritePixel(int x, int y, uint32_t argb) {
  uint8_t* p = PixelAt(x, y);
  p[0] = static_cast<uint8_t>(argb >> 16);
  p[1] = static_cast<uint8_t>(argb >> 8);
  p[2] = static_cast<uint8_t>(argb);
  if (format_ == kPixelFormatRGBA8888) p[3] = static_cast<uint8_t>(argb >> 24);
}

void TPixmap::ClearPixels(uint32_t argb) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) WritePixel(x, y, argb);
}

std::shared_ptr<TPixmap> TPixmap::Copy() const { return Convert(format_); }

std::shared_ptr<TPixmap> TPixmap::Convert(int format) const {
  auto copy = Create(width_, height_, format);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) copy->WritePixel(x, y, ReadPixel(x, y));
  return copy;
}

std::shared_ptr<TPixmap> TPixmap::Window(int x, int y, int width, int height) const {
  if (x < 0 || y < 0 || width <= 0 || height <= 0 || x + width > width_ || y + height > height_)
    throw std::out_of_range("sub-picture outside the pixmap");
  const size_t offset = static_cast<size_t>(PixelAt(x, y) - pixels_->data());
  return std::shared_ptr<TPixmap>(new TPixmap(width, height, format_, pitch_, pixels_, offset));
}

}  // namespace strohvik
