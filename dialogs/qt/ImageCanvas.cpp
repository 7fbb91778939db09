// RgbColor keeps red in its lowest byte, QRgb in its third: each colour is taken apart
// and set opaque.
#include "dialogs/qt/ImageCanvas.h"

#include <algorithm>

namespace morvane::qt {
namespace {

QRgb opaque(RgbColor color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

}  // namespace

void ImageCanvas::fillRect(const PixelRect& rect, RgbColor color)
{
    const QRgb pixel = opaque(color);
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, image_.height()); ++y) {
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, image_.width()); ++x)
            image_.setPixel(x, y, pixel);
    }
}

void ImageCanvas::setPixel(int x, int y, RgbColor color)
{
    if (image_.valid(x, y))
        image_.setPixel(x, y, opaque(color));
}

}  // namespace morvane::qt
