#include "ui/ImageCanvas.h"

#include <algorithm>

namespace morvane {

ImageCanvas::ImageCanvas(const PixelRect& bounds, RgbColor background)
    : bounds_(bounds), rgb_(static_cast<std::size_t>(std::max(bounds.width(), 0)) *
                            static_cast<std::size_t>(std::max(bounds.height(), 0)) * 3)
{
    fillRect(bounds, background);
}

bool ImageCanvas::contains(int x, int y) const
{
    return x >= bounds_.left && x < bounds_.right && y >= bounds_.top && y < bounds_.bottom;
}

std::size_t ImageCanvas::offsetOf(int x, int y) const
{
    return 3 * (static_cast<std::size_t>(y - bounds_.top) * static_cast<std::size_t>(width()) +
                static_cast<std::size_t>(x - bounds_.left));
}

void ImageCanvas::fillRect(const PixelRect& rect, RgbColor color)
{
    for (int y = std::max(rect.top, bounds_.top); y < std::min(rect.bottom, bounds_.bottom); ++y) {
        for (int x = std::max(rect.left, bounds_.left); x < std::min(rect.right, bounds_.right); ++x)
            setPixel(x, y, color);
    }
}

void ImageCanvas::setPixel(int x, int y, RgbColor color)
{
    if (!contains(x, y))
        return;
    const std::size_t offset = offsetOf(x, y);
    rgb_[offset] = static_cast<std::uint8_t>(color);
    rgb_[offset + 1] = static_cast<std::uint8_t>(color >> 8);
    rgb_[offset + 2] = static_cast<std::uint8_t>(color >> 16);
}

RgbColor ImageCanvas::pixel(int x, int y) const
{
    const std::size_t offset = offsetOf(x, y);
    return rgbColor(rgb_[offset], rgb_[offset + 1], rgb_[offset + 2]);
}

}  // namespace morvane
