// What a window painted, compared with a decoded picture, for the window tests of both
// programs. `pixel(x, y)` answers the painted colour at (x, y) as an RgbColor.
#pragma once

#include "ui/Canvas.h"
#include "ui/RgbImage.h"

namespace morvane::test {

// Whether `picture` stands, pixel for pixel, with its top left corner at (left, top).
template <typename Pixel>
bool samePixels(const Pixel& pixel, int left, int top, const RgbImage& picture)
{
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* rgb = picture.rgb.data() + (std::ptrdiff_t{y} * picture.width + x) * 3;
            if (pixel(left + x, top + y) != rgbColor(rgb[0], rgb[1], rgb[2]))
                return false;
        }
    }
    return true;
}

// Whether `picture` stands, pixel for pixel, somewhere within `area`.
template <typename Pixel>
bool showsPicture(const Pixel& pixel, const PixelRect& area, const RgbImage& picture)
{
    for (int top = area.top; top + picture.height <= area.bottom; ++top) {
        for (int left = area.left; left + picture.width <= area.right; ++left) {
            if (samePixels(pixel, left, top, picture))
                return true;
        }
    }
    return false;
}

// Whether some 2 x 2 block of the `width` x `height` pixels holds more than one colour: a
// picture scaled to twice its size by repeating pixels has none.
template <typename Pixel>
bool blendsPixels(const Pixel& pixel, int width, int height)
{
    for (int y = 0; y + 1 < height; y += 2) {
        for (int x = 0; x + 1 < width; x += 2) {
            const RgbColor corner = pixel(x, y);
            if (pixel(x + 1, y) != corner || pixel(x, y + 1) != corner || pixel(x + 1, y + 1) != corner)
                return true;
        }
    }
    return false;
}

}  // namespace morvane::test
