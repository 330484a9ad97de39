#include "tools/dds_converter/png_writer.h"

#include <png.h>

#include <new>
#include <stdexcept>
#include <vector>

namespace strohvik {
namespace {

// Zlib level and row filter: most of the conversion time goes into compression, and
// a fast level with the cheap "sub" filter keeps a 2048 x 2048 texture well under a second.
constexpr int kCompressionLevel = 2;
constexpr int kRowFilter = PNG_FILTER_SUB;

bool IsOpaque(const RgbaImage& image) {
  for (size_t alpha = 3; alpha < image.pixels.size(); alpha += 4) {
    if (image.pixels[alpha] != 255) return false;
  }
  return true;
}

void AppendToOutput(png_structp png, png_bytep data, size_t length) {
  bool outOfMemory = false;
  try {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  if (outOfMemory) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// libpng reports errors by a long jump back into this function, so it holds nothing
// that needs a destructor. False when libpng gave up.
bool WriteImage(png_structp png, png_infop info, const RgbaImage& image, bool opaque, png_bytepp rows,
                std::string& output) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &output, AppendToOutput, FlushNothing);
  png_set_IHDR(png, info, image.width, image.height, 8, opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, kCompressionLevel);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kRowFilter);
  png_write_info(png, info);
  // The rows keep four bytes a pixel; for an opaque picture libpng drops the fourth.
  if (opaque) png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

class PngWriteHandle {
 public:
  PngWriteHandle() {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png_) info_ = png_create_info_struct(png_);
    if (!info_) {
      png_destroy_write_struct(&png_, nullptr);
      throw std::bad_alloc();
    }
  }
  ~PngWriteHandle() { png_destroy_write_struct(&png_, &info_); }
  PngWriteHandle(const PngWriteHandle&) = delete;
  PngWriteHandle& operator=(const PngWriteHandle&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

}  // namespace

std::string EncodePng(const RgbaImage& image) {
  std::vector<png_bytep> rows(image.height);
  const size_t stride = size_t(image.width) * 4;
  for (size_t y = 0; y < rows.size(); ++y) {
    rows[y] = const_cast<png_bytep>(image.pixels.data() + y * stride);
  }
  std::string output;
  PngWriteHandle handle;
  if (!WriteImage(handle.png(), handle.info(), image, IsOpaque(image), rows.data(), output)) {
    throw std::runtime_error("PNG encoding failed");
  }
  return output;
}

}  // namespace strohvik
