// The seam for painting: filled rectangles and single pixels in a window's client
// coordinates. The window program paints on a device context, morvane-cli into an
// image, the tests into memory.
#pragma once

#include <cstdint>

namespace morvane {

// A colour as the window system holds it: red in the lowest byte, then green, then blue.
using RgbColor = std::uint32_t;

constexpr RgbColor rgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<RgbColor>(red | green << 8 | blue << 16);
}

// A rectangle of pixels; the right and bottom edges are outside it.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fillRect(const PixelRect& rect, RgbColor color) = 0;
    virtual void setPixel(int x, int y, RgbColor color) = 0;
};

}  // namespace morvane
