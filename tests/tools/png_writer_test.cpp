#include "tools/dds_converter/png_writer.h"

#include <gtest/gtest.h>

#include "tests/tools/dds_fixture.h"
#include "tests/tools/test_files.h"

namespace strohvik {
namespace {
using namespace testing_dds;

TEST(PngWriterTest, KeepsEveryPixelAndDropsAlphaOnlyWhenOpaque) {
  for (const AlphaPattern alpha : {AlphaPattern::Opaque, AlphaPattern::Ramp, AlphaPattern::CutOut}) {
    SCOPED_TRACE(int(alpha));
    const RgbaImage picture = MakePicture(37, 19, alpha);
    bool hasAlpha = false;
    const RgbaImage decoded = DecodePng(EncodePng(picture), &hasAlpha);
    EXPECT_EQ(decoded.width, picture.width);
    EXPECT_EQ(decoded.height, picture.height);
    EXPECT_EQ(decoded.pixels, picture.pixels);
    EXPECT_EQ(hasAlpha, alpha != AlphaPattern::Opaque);
  }
}

}  // namespace
}  // namespace strohvik
