#include "tools/dds_converter/dds_decoder.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/tools/dds_fixture.h"
#include "tests/tools/test_files.h"

namespace strohvik {
namespace {
using namespace testing_dds;

struct FormatCase {
  const char* name;
  AlphaPattern alpha;
  std::function<std::string(const RgbaImage&)> encode;
  int colourTolerance;
  int alphaTolerance;
};
void PrintTo(const FormatCase& format, std::ostream* out) { *out << format.name; }

std::string Dxt(const RgbaImage& picture, DdsFormat format) { return MakeBlockDds(picture, format); }

const DdsChannelMasks kBgr{0xff0000, 0xff00, 0xff, 0};
const DdsChannelMasks kBgra{0xff0000, 0xff00, 0xff, 0xff000000};
const DdsChannelMasks kRgba{0xff, 0xff00, 0xff0000, 0xff000000};
const DdsChannelMasks kRgbx{0xff, 0xff00, 0xff0000, 0};
const DdsChannelMasks kRgb10A2{0x3ff, 0xffc00, 0x3ff00000, 0xc0000000};

// Tolerances: DXT colours are 5:6:5 end points with two interpolated steps; DXT3 keeps
// alpha in 4 bits, DXT5 interpolates it; the 2-bit alpha of RGB10A2 has steps of 85.
const FormatCase kFormatCases[] = {
    {"Dxt1", AlphaPattern::Opaque, [](const RgbaImage& p) { return Dxt(p, DdsFormat::Dxt1); }, 16, 0},
    {"Dxt1CutOut", AlphaPattern::CutOut, [](const RgbaImage& p) { return Dxt(p, DdsFormat::Dxt1); }, 16, 0},
    {"Dxt3", AlphaPattern::Ramp, [](const RgbaImage& p) { return Dxt(p, DdsFormat::Dxt3); }, 16, 9},
    {"Dxt5", AlphaPattern::Ramp, [](const RgbaImage& p) { return Dxt(p, DdsFormat::Dxt5); }, 16, 9},
    {"Bgr24", AlphaPattern::Opaque, [](const RgbaImage& p) { return MakeUncompressedDds(p, 24, kBgr); }, 0, 0},
    {"Bgra32", AlphaPattern::Ramp, [](const RgbaImage& p) { return MakeUncompressedDds(p, 32, kBgra); }, 0, 0},
    {"Rgba32", AlphaPattern::Ramp, [](const RgbaImage& p) { return MakeUncompressedDds(p, 32, kRgba); }, 0, 0},
    {"Rgbx32", AlphaPattern::Opaque, [](const RgbaImage& p) { return MakeUncompressedDds(p, 32, kRgbx); }, 0, 0},
    {"Rgb10A2", AlphaPattern::Ramp, [](const RgbaImage& p) { return MakeUncompressedDds(p, 32, kRgb10A2); }, 1, 43},
};

class DdsFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(DdsFormatTest, DecodesWithinTheFormatsTolerance) {
  const FormatCase& format = GetParam();
  // 64 x 32 fills whole blocks; 13 x 7 ends in partial blocks on both edges.
  for (const auto& [width, height] : {std::pair{64u, 32u}, std::pair{13u, 7u}, std::pair{1u, 1u}}) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    const RgbaImage picture = MakePicture(width, height, format.alpha);
    const RgbaImage decoded = DecodeDds(format.encode(picture));
    ASSERT_EQ(decoded.width, width);
    ASSERT_EQ(decoded.height, height);
    EXPECT_LE(MaxColourDifference(picture, decoded, format.alpha == AlphaPattern::CutOut), format.colourTolerance);
    EXPECT_LE(MaxAlphaDifference(picture, decoded), format.alphaTolerance);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, DdsFormatTest, testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DdsDecoderTest, TakesOnlyTheTopMipLevel) {
  const RgbaImage picture = MakePicture(32, 16, AlphaPattern::Ramp);
  const RgbaImage top = DecodeDds(MakeBlockDds(picture, DdsFormat::Dxt5));
  const RgbaImage withMips = DecodeDds(MakeBlockDds(picture, DdsFormat::Dxt5, true));
  EXPECT_EQ(withMips.pixels, top.pixels);
}

TEST(DdsDecoderTest, ReadsAFileFromDisk) {
  const RgbaImage picture = MakePicture(20, 12, AlphaPattern::Opaque);
  const std::string path = testing::TempDir() + "decoder_read.dds";
  WriteFile(path, MakeBlockDds(picture, DdsFormat::Dxt1, true));
  EXPECT_EQ(ReadDdsFile(path).pixels, DecodeDds(MakeBlockDds(picture, DdsFormat::Dxt1)).pixels);
  EXPECT_THROW(ReadDdsFile(path + ".missing"), DdsError);
}

struct BadInput {
  const char* name;
  std::function<std::string()> make;
};
void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

DdsFields Dxt5Fields(uint32_t width, uint32_t height) {
  DdsFields fields;
  fields.width = width;
  fields.height = height;
  fields.pixelFormatFlags = 0x4;
  fields.fourCc = "DXT5";
  return fields;
}

std::string WithFields(std::function<void(DdsFields&)> change, size_t dataBytes = 1024) {
  DdsFields fields = Dxt5Fields(16, 16);
  change(fields);
  return DdsHeader(fields) + std::string(dataBytes, '\x11');
}

std::string Uncompressed(uint32_t bitCount, DdsChannelMasks masks) {
  return WithFields([&](DdsFields& f) {
    f.pixelFormatFlags = 0x40 | 0x1;
    f.fourCc = std::string(4, '\0');
    f.bitCount = bitCount;
    f.masks = masks;
  });
}

const BadInput kBadInputs[] = {
    {"Empty", [] { return std::string(); }},
    {"NotDds", [] { return std::string("\x89PNG\r\n\x1a\n") + std::string(200, '\0'); }},
    {"TruncatedHeader", [] { return WithFields([](DdsFields&) {}).substr(0, 60); }},
    {"WrongHeaderSize", [] { return WithFields([](DdsFields& f) { f.headerSize = 0; }); }},
    {"ZeroWidth", [] { return WithFields([](DdsFields& f) { f.width = 0; }); }},
    {"AbsurdSize", [] { return WithFields([](DdsFields& f) { f.width = f.height = 100000; }); }},
    {"LargeSizeWithoutData", [] { return WithFields([](DdsFields& f) { f.width = f.height = 16384; }); }},
    {"TruncatedData",
     [] {
       const std::string file = MakeBlockDds(MakePicture(16, 16, AlphaPattern::Ramp), DdsFormat::Dxt5);
       return file.substr(0, file.size() - 1);
     }},
    {"UnknownFourCc", [] { return WithFields([](DdsFields& f) { f.fourCc = "ATI2"; }); }},
    {"Dx10Header", [] { return WithFields([](DdsFields& f) { f.fourCc = "DX10"; }); }},
    {"NoPixelFormat", [] { return WithFields([](DdsFields& f) { f.pixelFormatFlags = 0; }); }},
    {"SixteenBitPixels", [] { return Uncompressed(16, {0xf800, 0x7e0, 0x1f, 0}); }},
    {"MaskBeyondPixel", [] { return Uncompressed(24, {0xff0000, 0xff00, 0xff, 0xff000000}); }},
    {"SplitMask", [] { return Uncompressed(32, {0xf0f0, 0xff0000, 0xff000000, 0}); }},
};

class DdsBadInputTest : public testing::TestWithParam<BadInput> {};

TEST_P(DdsBadInputTest, IsRefusedWithAReason) {
  try {
    DecodeDds(GetParam().make());
    FAIL() << "decoded";
  } catch (const DdsError& error) {
    EXPECT_STRNE(error.what(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Files, DdsBadInputTest, testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace strohvik
