#include "mods/picture_decoding.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <vector>

#include "platform/picture_limits.h"

namespace strohvik {
namespace {

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf failed;
};

[[noreturn]] void StopDecoding(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->failed, 1); }
void KeepQuiet(j_common_ptr) {}

// Every object here is libjpeg's own, so the jump out of a failed call skips no
// destructor; the decompressor's memory is freed by jpeg_destroy_decompress.
bool ReadAllScanlines(jpeg_decompress_struct& info) {
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (!FitsPictureLimit(info.image_width, info.image_height)) return false;
  jpeg_start_decompress(&info);
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             info.output_width * static_cast<JDIMENSION>(info.output_components), 1);
  while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, row, 1);
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

bool DecodesAsPng(std::string_view bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
  image.format = PNG_FORMAT_RGBA;
  if (!FitsPictureLimit(image.width, image.height)) {
    png_image_free(&image);
    return false;
  }
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  // finish_read frees the image's resources whether or not it succeeds.
  return png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) != 0;
}

bool DecodesAsJpeg(std::string_view bytes) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = StopDecoding;
  errors.manager.output_message = KeepQuiet;
  jpeg_create_decompress(&info);
  if (setjmp(errors.failed) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  const bool decoded = ReadAllScanlines(info);
  jpeg_destroy_decompress(&info);
  return decoded;
}

}  // namespace strohvik
