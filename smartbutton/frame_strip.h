#pragma once
// A frame strip: one picture holding equal frames stacked from the top, each as wide
// as the strip and `height` pixels high. Frames are sub-pictures sharing its pixels.

#include "app/gui/pixmap.h"

namespace strohvik {

// Whole frames only; 0 for a height below 1 or above the strip's, so that no caller
// divides by zero or indexes outside the strip.
int FrameCount(const TPixmap& strip, int height);
// Frame `index`, counted from 0; the caller keeps index below FrameCount.
PixmapPtr Frame(const TPixmap& strip, int height, int index);

}  // namespace strohvik
