// A canvas that keeps its pixels in memory: the part `bounds` of a window's client
// coordinates, as 8-bit RGB. Painting outside the bounds is cut off.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/Canvas.h"
#include "ui/RgbImage.h"

namespace morvane {

class ImageCanvas final : public Canvas {
public:
    // Every pixel starts as `background`.
    explicit ImageCanvas(const PixelRect& bounds, RgbColor background = rgbColor(0, 0, 0));

    void fillRect(const PixelRect& rect, RgbColor color) override;
    void setPixel(int x, int y, RgbColor color) override;

    RgbColor pixel(int x, int y) const;
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    // Rows top first, three bytes (red, green, blue) per pixel.
    const std::vector<std::uint8_t>& rgbBytes() const { return rgb_; }
    RgbImage image() const { return {width(), height(), rgb_}; }

private:
    bool contains(int x, int y) const;
    std::size_t offsetOf(int x, int y) const;

    PixelRect bounds_;
    std::vector<std::uint8_t> rgb_;
};

}  // namespace morvane
