#include "smartbutton/picture_filters.h"

#include <algorithm>
#include <cmath>

namespace strohvik {
namespace {

struct Argb {
  uint32_t alpha, red, green, blue;
};

Argb Split(uint32_t pixel) { return {pixel >> 24, pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF}; }
uint32_t Join(const Argb& c) { return c.alpha << 24 | (c.red & 0xFF) << 16 | (c.green & 0xFF) << 8 | (c.blue & 0xFF); }

uint32_t Shift(int count) { return static_cast<uint32_t>(count) & 31u; }

// A copy in 32-bit RGBA whose every pixel is filter(pixel).
template <typename Filter>
PixmapPtr MapPixels(const TPixmap& source, Filter filter) {
  PixmapPtr result = TPixmap::Create(source.Width(), source.Height(), kPixelFormatRGBA8888, 4);
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x) result->WritePixel(x, y, Join(filter(Split(source.ReadPixel(x, y)))));
  return result;
}

// Truncated toward zero and cut to 8 bits by Join; a k so wild that the sum leaves the
// integers (or is NaN) gives 0 rather than undefined behaviour.
uint32_t Mix(uint32_t own, uint32_t neighbour, double k) {
  const double mixed = neighbour * (1.0 - k) + own * k;
  if (!(std::abs(mixed) < 9.0e18)) return 0;
  return static_cast<uint32_t>(static_cast<int64_t>(mixed));
}

}  // namespace

PixmapPtr Grey(const TPixmap& source) {
  return MapPixels(source, [](Argb c) {
    const uint32_t mean = (c.red + c.green + c.blue) / 3;
    return Argb{255, mean, mean, mean};
  });
}

uint32_t BlurPixel(uint32_t p, uint32_t q, double k) {
  const Argb own = Split(p), neighbour = Split(q);
  return Join({own.alpha, Mix(own.red, neighbour.red, k), Mix(own.green, neighbour.green, k),
               Mix(own.blue, neighbour.blue, k)});
}

void BlurInPlace(TPixmap& pixmap, double k) {
  const int width = pixmap.Width(), height = pixmap.Height();
  auto mix = [&](int x, int y, int nx, int ny) {
    pixmap.WritePixel(x, y, BlurPixel(pixmap.ReadPixel(x, y), pixmap.ReadPixel(nx, ny), k));
  };
  for (int x = 1; x < width; ++x)
    for (int y = 0; y < height; ++y) mix(x, y, x - 1, y);
  for (int x = width - 3; x >= 0; --x)
    for (int y = 0; y < height; ++y) mix(x, y, x + 1, y);
  for (int x = 0; x < width; ++x)
    for (int y = 1; y < height; ++y) mix(x, y, x, y - 1);
  for (int x = 0; x < width; ++x)
    for (int y = height - 3; y >= 0; --y) mix(x, y, x, y + 1);
}

PixmapPtr Blur(const TPixmap& source, double k) {
  PixmapPtr copy = source.Convert(kPixelFormatRGBA8888);
  BlurInPlace(*copy, k);
  return copy;
}

PixmapPtr Invert(const TPixmap& source) {
  return MapPixels(source, [](Argb c) { return Argb{c.alpha, 255 - c.red, 255 - c.green, 255 - c.blue}; });
}

PixmapPtr HighLight(const TPixmap& source, int light) {
  const uint32_t shift = Shift(light);
  auto brighten = [shift](uint32_t c) { return std::min<uint32_t>(255, c + (c >> shift)); };
  return MapPixels(source, [&](Argb c) { return Argb{c.alpha, brighten(c.red), brighten(c.green), brighten(c.blue)}; });
}

PixmapPtr Tint(const TPixmap& source, int red, int green, int blue) {
  auto towardsWhite = [](uint32_t c, int count) { return c + ((255 - c) >> Shift(count)); };
  return MapPixels(source, [&](Argb c) {
    return Argb{c.alpha, towardsWhite(c.red, red), towardsWhite(c.green, green), towardsWhite(c.blue, blue)};
  });
}

}  // namespace strohvik
