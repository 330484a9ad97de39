#include "smartbutton/frame_strip.h"

namespace strohvik {

int FrameCount(const TPixmap& strip, int height) {
  if (height < 1 || height > strip.Height()) return 0;
  return strip.Height() / height;
}

PixmapPtr Frame(const TPixmap& strip, int height, int index) {
  return strip.Window(0, height * index, strip.Width(), height);
}

}  // namespace strohvik
