// A Canvas over a QImage, in the image's pixel coordinates: the viewers' models paint
// their pictures into it. Painting outside the image is cut off.
#pragma once

#include <QImage>

#include "ui/Canvas.h"

namespace morvane::qt {

class ImageCanvas final : public Canvas {
public:
    // Paints on `image`, which must outlive the canvas.
    explicit ImageCanvas(QImage& image) : image_(image) {}

    void fillRect(const PixelRect& rect, RgbColor color) override;
    void setPixel(int x, int y, RgbColor color) override;

private:
    QImage& image_;
};

}  // namespace morvane::qt
