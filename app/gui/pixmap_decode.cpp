// Decoding is the one pixmap operation that needs the toolkit: its image readers
// cover PNG, JPEG and BMP.
#include <QImage>
#include <algorithm>

#include "app/gui/pixmap.h"

namespace strohvik {

std::shared_ptr<TPixmap> TPixmap::Decode(const std::string& bytes) {
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()))) return nullptr;
  image.convertTo(QImage::Format_RGBA8888);
  auto pixmap = Create(image.width(), image.height(), kPixelFormatRGBA8888);
  for (int y = 0; y < image.height(); ++y)
    std::copy_n(image.constScanLine(y), image.width() * 4, pixmap->Row(y));
  return pixmap;
}

}  // namespace strohvik
