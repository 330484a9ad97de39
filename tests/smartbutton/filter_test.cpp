// The picture filters as pure functions on small pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "smartbutton/picture_filters.h"

namespace strohvik {
namespace {

using Filter = std::function<PixmapPtr(const TPixmap&)>;

struct NamedFilter {
  std::string name;
  Filter apply;
};

const std::vector<NamedFilter>& AllFilters() {
  static const std::vector<NamedFilter> filters = {
      {"grey", [](const TPixmap& p) { return Grey(p); }},
      {"blur", [](const TPixmap& p) { return Blur(p, 0.5); }},
      {"invert", [](const TPixmap& p) { return Invert(p); }},
      {"highlight", [](const TPixmap& p) { return HighLight(p, 2); }},
      {"tint", [](const TPixmap& p) { return Tint(p, 8, 2, 8); }},
  };
  return filters;
}

PixmapPtr Row(const std::vector<uint32_t>& pixels, bool vertical = false) {
  const int n = static_cast<int>(pixels.size());
  PixmapPtr pixmap = TPixmap::Create(vertical ? 1 : n, vertical ? n : 1);
  for (int i = 0; i < n; ++i) pixmap->WritePixel(vertical ? 0 : i, vertical ? i : 0, pixels[i]);
  return pixmap;
}

uint32_t OnePixel(const Filter& filter, uint32_t argb) { return filter(*Row({argb}))->ReadPixel(0, 0); }

TEST(SmartFilter, EachFilterMapsAPixelAsDocumented) {
  struct Case {
    std::string what;
    Filter filter;
    uint32_t in, out;
  };
  const Filter light2 = [](const TPixmap& p) { return HighLight(p, 2); };
  const Filter tint828 = [](const TPixmap& p) { return Tint(p, 8, 2, 8); };
  const std::vector<Case> cases = {
      {"grey, opaque", [](const TPixmap& p) { return Grey(p); }, 0xFFC86401, 0xFF646464},
      {"grey, half transparent becomes opaque", [](const TPixmap& p) { return Grey(p); }, 0x80C86401, 0xFF646464},
      {"grey, mean rounded down", [](const TPixmap& p) { return Grey(p); }, 0xFFFFFF01, 0xFFAAAAAA},
      {"invert keeps alpha", [](const TPixmap& p) { return Invert(p); }, 0x800A141E, 0x80F5EBE1},
      {"highlight by a quarter", light2, 0xFFC86400, 0xFFFA7D00},
      {"highlight clamps at 255, keeps alpha", light2, 0x40F0F0F0, 0x40FFFFFF},
      {"tint moves green a quarter to white", tint828, 0xFF646464, 0xFF648A64},
      {"tint keeps alpha", tint828, 0x20646464, 0x20648A64},
  };
  for (const Case& c : cases) EXPECT_EQ(OnePixel(c.filter, c.in), c.out) << c.what;
}

TEST(SmartFilter, ShiftCountsAreTakenModulo32) {
  // Red 200: a count of 1 adds 100 (clamped to 255), 2 adds 50, 31 adds nothing.
  const std::vector<std::pair<int, uint32_t>> highlights = {
      {1, 0xFFFF0000}, {33, 0xFFFF0000}, {-31, 0xFFFF0000}, {2, 0xFFFA0000},
      {34, 0xFFFA0000}, {31, 0xFFC80000}, {-1, 0xFFC80000}, {INT32_MIN, 0xFFFF0000},
  };
  for (auto [light, out] : highlights)
    EXPECT_EQ(OnePixel([light](const TPixmap& p) { return HighLight(p, light); }, 0xFFC80000), out) << light;
  // Each channel 100: a count of 0 makes it white, 8 or more leaves it.
  const std::vector<std::pair<int, uint32_t>> tints = {
      {0, 0xFFFFFFFF}, {32, 0xFFFFFFFF}, {8, 0xFF646464}, {40, 0xFF646464}, {-24, 0xFF646464}, {INT32_MAX, 0xFF646464},
  };
  for (auto [count, out] : tints)
    EXPECT_EQ(OnePixel([count](const TPixmap& p) { return Tint(p, count, count, count); }, 0xFF646464), out) << count;
}

TEST(SmartFilter, BlurPixelMixesColourTruncatedAndKeepsTheOwnAlpha) {
  struct Case {
    uint32_t p, q;
    double k;
    uint32_t out;
  };
  const std::vector<Case> cases = {
      {0x80640AC8, 0xFFC81400, 0.5, 0x80960F64},  // the mean; q's alpha does not count
      {0xFF010101, 0xFF020202, 0.5, 0xFF010101},  // 1.5 truncated
      {0xFF000000, 0xFF010101, 1.5, 0xFF000000},  // -0.5 truncated toward zero, not down to 255
      {0xFF0A0A0A, 0xFF646464, 2.0, 0xFFB0B0B0},  // -80 cut to its low 8 bits
      {0xFF102030, 0xFF000000, 1.0, 0xFF102030},  // k 1 keeps p
  };
  for (const Case& c : cases)
    EXPECT_EQ(BlurPixel(c.p, c.q, c.k), c.out) << std::hex << c.p << " " << c.q << " " << c.k;
  EXPECT_EQ(BlurPixel(0xFF646464, 0xFF000000, std::nan("")) >> 24, 0xFFu);
}

TEST(SmartFilter, BlurSweepsLinesAndColumnsFromTheirDocumentedStarts) {
  const std::vector<uint32_t> in = {0xFF000000, 0xFF640000, 0xFFC80000, 0xFF280000};
  // Right to left begins at the third pixel from the end, so the last two keep their
  // first-sweep values: 0 50 125 82, then 43 87 from the left end.
  const std::vector<uint32_t> out = {0xFF2B0000, 0xFF570000, 0xFF7D0000, 0xFF520000};
  for (bool vertical : {false, true}) {
    const PixmapPtr blurred = Blur(*Row(in, vertical), 0.5);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(blurred->ReadPixel(vertical ? 0 : i, vertical ? i : 0), out[i]) << (vertical ? "column " : "row ") << i;
  }
  // Two wide: only the first sweep reaches it.
  const PixmapPtr pair = Blur(*Row({0xFF000000, 0xFF640000}), 0.5);
  EXPECT_EQ(pair->ReadPixel(0, 0), 0xFF000000u);
  EXPECT_EQ(pair->ReadPixel(1, 0), 0xFF320000u);
}

TEST(SmartFilter, EveryFilterReturnsANewRgbaPictureOfTheSizeAndLeavesTheSource) {
  const std::vector<std::pair<int, int>> sizes = {{0, 0}, {1, 1}, {1, 5}, {5, 1}, {2, 2}, {0, 3}, {4, 3}};
  for (const NamedFilter& filter : AllFilters()) {
    for (auto [width, height] : sizes) {
      for (int format : {kPixelFormatRGBA8888, kPixelFormatRGB888}) {
        SCOPED_TRACE(filter.name + " " + std::to_string(width) + "x" + std::to_string(height) + " format " +
                     std::to_string(format));
        const PixmapPtr source = TPixmap::Create(width, height, format, 4);
        for (int y = 0; y < height; ++y)
          for (int x = 0; x < width; ++x) source->WritePixel(x, y, 0x80000000u | (x * 40u) << 16 | (y * 60u) << 8 | 7u);
        const PixmapPtr before = source->Copy();
        PixmapPtr result;
        ASSERT_NO_THROW(result = filter.apply(*source));
        ASSERT_NE(result, nullptr);
        EXPECT_NE(result, source);
        EXPECT_EQ(result->Width(), width);
        EXPECT_EQ(result->Height(), height);
        EXPECT_EQ(result->Format(), kPixelFormatRGBA8888);
        for (int y = 0; y < height; ++y)
          for (int x = 0; x < width; ++x) ASSERT_EQ(source->ReadPixel(x, y), before->ReadPixel(x, y)) << x << ", " << y;
      }
    }
  }
}

}  // namespace
}  // namespace strohvik
