// The one picture size limit: the converter refuses a larger texture from its header,
// the picture check a larger picture, and both take a picture of exactly the limit.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <zlib.h>

#include <filesystem>

#include "mods/picture_check.h"
#include "tests/test_folder.h"
#include "tests/tools/dds_fixture.h"
#include "tests/tools/test_files.h"
#include "tools/dds_converter/texture_conversion.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;
using namespace testing_dds;

int64_t Dxt1FileSize(uint32_t width, uint32_t height) {
  return kDdsHeaderSize + (int64_t(width) + 3) / 4 * ((int64_t(height) + 3) / 4) * 8;
}

void PutBigEndian(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (24 - 8 * i));
}

std::string PngChunk(const std::string& type, const std::string& data) {
  std::string chunk(4, '\0');
  PutBigEndian(chunk, 0, uint32_t(data.size()));
  chunk += type + data;
  chunk.append(4, '\0');
  const auto* typeAndData = reinterpret_cast<const Bytef*>(chunk.data() + 4);
  PutBigEndian(chunk, chunk.size() - 4, uint32_t(crc32(0, typeAndData, uInt(type.size() + data.size()))));
  return chunk;
}

// A black picture of 1-bit grey: kilobytes on disk however large it is, while the
// picture check still decodes every one of its pixels.
std::string BlackPng(uint32_t width, uint32_t height) {
  const std::string rows((1 + (width + 7) / 8) * size_t(height), '\0');  // filter "none", all zero
  uLongf deflatedSize = compressBound(uLong(rows.size()));
  std::string deflated(deflatedSize, '\0');
  compress2(reinterpret_cast<Bytef*>(deflated.data()), &deflatedSize, reinterpret_cast<const Bytef*>(rows.data()),
            uLong(rows.size()), Z_BEST_COMPRESSION);
  deflated.resize(deflatedSize);
  std::string header(13, '\0');  // bit depth 1, grey, no interlacing
  PutBigEndian(header, 0, width);
  PutBigEndian(header, 4, height);
  header[8] = 1;
  return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", deflated) +
         PngChunk("IEND", "");
}

struct SizeCase {
  uint32_t width;
  uint32_t height;
  bool fits;
};
void PrintTo(const SizeCase& size, std::ostream* out) { *out << size.width << " x " << size.height; }

// Exactly the limit in two shapes, and one row of pixels more: the limit is on the
// pixels, not on the sides.
const SizeCase kSizes[] = {{8192, 8192, true}, {16384, 4096, true}, {8192, 8193, false}, {16384, 4097, false}};

TEST(PictureLimitTest, TheConverterAndThePictureCheckDrawTheSameLine) {
  const TestFolder folder("limit");
  const fs::path png = folder.Path() / "black.png";
  for (const SizeCase& size : kSizes) {
    SCOPED_TRACE(testing::PrintToString(size));
    // The converter decides from the header and the file size; no pixels are needed.
    const std::string header = DdsHeader(BlockFields("DXT1", size.width, size.height));
    const int64_t fileSize = Dxt1FileSize(size.width, size.height);
    if (size.fits) {
      EXPECT_NO_THROW(ParseDdsHeader(header, fileSize));
    } else {
      EXPECT_THROW(ParseDdsHeader(header, fileSize), DdsError);
    }
    WriteFile(png, BlackPng(size.width, size.height));
    EXPECT_EQ(CanShowPicture(png.string()), size.fits);
  }
}

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(PictureLimitTest, AnOversizedTextureIsRefusedFromItsHeaderWithoutReadingItsPixels) {
  const TestFolder folder("limit");
  const fs::path& working = folder.Path();
  fs::create_directories(working / kTempFolderName);
  // A whole 16384 x 16384 DXT1 file to the converter, its 128 MiB of blocks a hole.
  const fs::path dds = working / kTempFolderName / "store.dds";
  WriteFile(dds, DdsHeader(BlockFields("DXT1", 16384, 16384)));
  fs::resize_file(dds, uintmax_t(Dxt1FileSize(16384, 16384)));
  const long peakBefore = PeakResidentKiB();

  const std::string error = ConvertTextureInTempFolder("store.dds", working.string());

  EXPECT_THAT(error, testing::HasSubstr("store.dds: picture too large to show: 16384 x 16384, at most 8192 x 8192"));
  // Decoding would have taken the 128 MiB of blocks and 1 GiB of pixels.
  EXPECT_LT(PeakResidentKiB() - peakBefore, 32 * 1024);
  EXPECT_FALSE(fs::exists(working / kTempFolderName / "store.png"));
}

}  // namespace
}  // namespace strohvik
