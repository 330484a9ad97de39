#include "tools/dds_converter/dds_decoder.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/test_folder.h"
#include "tests/tools/dds_fixture.h"
#include "tests/tools/magick_reference.h"
#include "tests/tools/test_files.h"

namespace strohvik {
namespace {
using namespace testing_dds;

using Encoder = std::function<std::string(const RgbaImage&)>;

struct FormatCase {
  const char* name;
  Colours colours;
  AlphaPattern alpha;
  Encoder encode;
  int colourTolerance;
  int alphaTolerance;
  // Whether ImageMagick's decoding must match to the last bit: of the file itself, or
  // where ImageMagick refuses the format, of the same channel values in one it reads.
  bool likeImageMagick = false;
  Encoder imageMagickStandIn = nullptr;
};
void PrintTo(const FormatCase& format, std::ostream* out) { *out << format.name; }

Encoder Dxt(DdsFormat format) {
  return [format](const RgbaImage& p) { return MakeBlockDds(p, format); };
}
Encoder Masked(uint32_t bitCount, DdsChannelMasks masks, ChannelKind kind = ChannelKind::Rgb) {
  return [=](const RgbaImage& p) { return MakeUncompressedDds(p, bitCount, masks, kind); };
}

const DdsChannelMasks kBgr{0xff0000, 0xff00, 0xff, 0};
const DdsChannelMasks kBgra{0xff0000, 0xff00, 0xff, 0xff000000};
const DdsChannelMasks kRgba{0xff, 0xff00, 0xff0000, 0xff000000};
const DdsChannelMasks kRgbx{0xff, 0xff00, 0xff0000, 0};
const DdsChannelMasks kRgb10A2{0x3ff, 0xffc00, 0x3ff00000, 0xc0000000};
const DdsChannelMasks kR5G6B5{0xf800, 0x7e0, 0x1f, 0};
const DdsChannelMasks kX1R5G5B5{0x7c00, 0x3e0, 0x1f, 0};
const DdsChannelMasks kA1R5G5B5{0x7c00, 0x3e0, 0x1f, 0x8000};
const DdsChannelMasks kA4R4G4B4{0xf00, 0xf0, 0xf, 0xf000};
const DdsChannelMasks kL8{0xff, 0, 0, 0};
const DdsChannelMasks kA8L8{0xff, 0, 0, 0xff00};
const DdsChannelMasks kA8{0, 0, 0, 0xff};

constexpr auto kWaves = Colours::Waves;
constexpr auto kOpaque = AlphaPattern::Opaque;
constexpr auto kRamp = AlphaPattern::Ramp;

// Tolerances: DXT colours are 5:6:5 end points with two interpolated steps; DXT3 keeps
// alpha in 4 bits, DXT5 interpolates it. A masked channel of n bits is packed to the
// nearest of its 2^n steps and widened rounding down: off by half a step and one more.
// ImageMagick 6 reads every 32-bit pixel as BGRA whatever its masks, so the other 32-bit
// layouts are not held against it. It refuses X1R5G5B5 (it takes 16 bits without alpha
// for R5G6B5 only), A8L8 and A8: their stand-ins are the same bits with the unused one
// set as A1R5G5B5, and the same values as BGRA.
const FormatCase kFormatCases[] = {
    {"Dxt1", kWaves, kOpaque, Dxt(DdsFormat::Dxt1), 16, 0},
    {"Dxt1CutOut", kWaves, AlphaPattern::CutOut, Dxt(DdsFormat::Dxt1), 16, 0},
    {"Dxt3", kWaves, kRamp, Dxt(DdsFormat::Dxt3), 16, 9},
    {"Dxt5", kWaves, kRamp, Dxt(DdsFormat::Dxt5), 16, 9},
    {"Bgr24", kWaves, kOpaque, Masked(24, kBgr), 0, 0, true},
    {"Bgra32", kWaves, kRamp, Masked(32, kBgra), 0, 0, true},
    {"Rgba32", kWaves, kRamp, Masked(32, kRgba), 0, 0},
    {"Rgbx32", kWaves, kOpaque, Masked(32, kRgbx), 0, 0},
    {"Rgb10A2", kWaves, kRamp, Masked(32, kRgb10A2), 1, 43},
    {"R5G6B5", kWaves, kOpaque, Masked(16, kR5G6B5), 5, 0, true},
    {"X1R5G5B5", kWaves, kOpaque, Masked(16, kX1R5G5B5), 5, 0, true, Masked(16, kA1R5G5B5)},
    {"A1R5G5B5", kWaves, AlphaPattern::CutOut, Masked(16, kA1R5G5B5), 5, 0, true},
    {"A4R4G4B4", kWaves, kRamp, Masked(16, kA4R4G4B4), 8, 8, true},
    {"L8", Colours::Grey, kOpaque, Masked(8, kL8, ChannelKind::Luminance), 0, 0, true},
    {"A8L8", Colours::Grey, kRamp, Masked(16, kA8L8, ChannelKind::Luminance), 0, 0, true, Masked(32, kBgra)},
    {"A8", Colours::Black, kRamp, Masked(8, kA8, ChannelKind::AlphaOnly), 0, 0, true, Masked(32, kBgra)},
};

class DdsFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(DdsFormatTest, DecodesWithinTheFormatsToleranceAndLikeImageMagick) {
  const FormatCase& format = GetParam();
  // 64 x 32 fills whole blocks; 13 x 7 ends in partial blocks on both edges.
  for (const auto& [width, height] : {std::pair{64u, 32u}, std::pair{13u, 7u}, std::pair{1u, 1u}}) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    const RgbaImage picture = MakePicture(width, height, format.alpha, format.colours);
    const std::string file = format.encode(picture);
    const RgbaImage decoded = DecodeDds(file);
    ASSERT_EQ(decoded.width, width);
    ASSERT_EQ(decoded.height, height);
    EXPECT_LE(MaxColourDifference(picture, decoded, format.alpha == AlphaPattern::CutOut), format.colourTolerance);
    EXPECT_LE(MaxAlphaDifference(picture, decoded), format.alphaTolerance);
    if (!format.likeImageMagick) continue;
    const std::string magickFile = format.imageMagickStandIn ? format.imageMagickStandIn(picture) : file;
    const RgbaImage reference = DecodeWithImageMagick(magickFile, width, height);
    EXPECT_EQ(MaxColourDifference(reference, decoded), 0) << "colours unlike ImageMagick's";
    EXPECT_EQ(MaxAlphaDifference(reference, decoded), 0) << "alpha unlike ImageMagick's";
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
  const TestFolder folder("dds");
  const std::string path = (folder.Path() / "decoder_read.dds").string();
  WriteFile(path, MakeBlockDds(picture, DdsFormat::Dxt1, true));
  EXPECT_EQ(ReadDdsFile(path).pixels, DecodeDds(MakeBlockDds(picture, DdsFormat::Dxt1)).pixels);
  EXPECT_THROW(ReadDdsFile(path + ".missing"), DdsError);
}

struct BadInput {
  const char* name;
  std::function<std::string()> make;
};
void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

std::string WithFields(std::function<void(DdsFields&)> change, size_t dataBytes = 1024) {
  DdsFields fields = BlockFields("DXT5", 16, 16);
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
    {"ZeroBitPixels", [] { return Uncompressed(0, {}); }},
    {"TwelveBitPixels", [] { return Uncompressed(12, {0xf00, 0xf0, 0xf, 0}); }},
    {"WiderThanFourBytes", [] { return Uncompressed(64, {0xff, 0xff00, 0xff0000, 0xff000000}); }},
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
