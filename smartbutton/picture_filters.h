#pragma once
// The picture filters of the buttons' hover and press feedback, as pure functions: each
// takes a picture and returns a new one in 32-bit RGBA, leaving the source as it was.
// Shift counts are taken modulo 32.

#include <cstdint>

#include "app/gui/pixmap.h"

namespace strohvik {

// Red, green and blue become their mean; the result is opaque.
PixmapPtr Grey(const TPixmap& source);
// Four sweeps (left to right, right to left from the third column from the right, top
// to bottom, bottom to top from the third row from the bottom), each mixing a pixel
// with the neighbour that the sweep has just passed.
PixmapPtr Blur(const TPixmap& source, double k);
void BlurInPlace(TPixmap& pixmap, double k);
// p's alpha with each colour channel trunc(q * (1 - k) + p * k), cut to 8 bits.
uint32_t BlurPixel(uint32_t p, uint32_t q, double k);
// 255 minus each colour channel; alpha kept.
PixmapPtr Invert(const TPixmap& source);
// Each colour channel plus itself shifted right by light, clamped at 255.
PixmapPtr HighLight(const TPixmap& source, int light);
// Each colour channel moved towards white by its distance to 255 shifted right by the
// channel's count: 0 makes it white, 8 or more leaves it.
PixmapPtr Tint(const TPixmap& source, int red, int green, int blue);

}  // namespace strohvik
