// Dialog units become pixels as the window system maps them, with the base units of an
// 8-point "MS Sans Serif" dialog at 96 dpi: 6 pixels per 4 horizontal units and 13
// pixels per 8 vertical units, rounded to the nearest pixel. Each area is 191 x 31
// units at x 46, from y 7 in steps of 33, with an edge of 2 pixels.
#include "cli/ColorDialogPicture.h"

namespace morvane::cli {
namespace {

constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
constexpr int kDialogWidth = 247;
constexpr int kDialogHeight = 292;
constexpr int kAreaLeft = 46;
constexpr int kFirstAreaTop = 7;
constexpr int kAreaStep = 33;
constexpr int kAreaWidth = 191;
constexpr int kAreaHeight = 31;
constexpr int kEdge = 2;
constexpr RgbColor kDialogFace = rgbColor(240, 240, 240);
constexpr RgbColor kEdgeShadow = rgbColor(160, 160, 160);

// The window system's MulDiv for positive numbers: rounded to the nearest integer.
int scaled(int units, int numerator, int denominator)
{
    return (units * numerator + denominator / 2) / denominator;
}

int pixelsX(int units) { return scaled(units, kBaseUnitX, 4); }
int pixelsY(int units) { return scaled(units, kBaseUnitY, 8); }

PixelRect areaRect(std::size_t area)
{
    const int top = kFirstAreaTop + kAreaStep * static_cast<int>(area);
    return {pixelsX(kAreaLeft), pixelsY(top), pixelsX(kAreaLeft + kAreaWidth), pixelsY(top + kAreaHeight)};
}

PixelRect inside(const PixelRect& rect)
{
    return {rect.left + kEdge, rect.top + kEdge, rect.right - kEdge, rect.bottom - kEdge};
}

}  // namespace

ImageCanvas paintColorDialog(const ColorAreaPainter& painter)
{
    ImageCanvas image({0, 0, pixelsX(kDialogWidth), pixelsY(kDialogHeight)}, kDialogFace);
    for (std::size_t area = 0; area < ColorAreaPainter::kAreaCount; ++area) {
        image.fillRect(areaRect(area), kEdgeShadow);
        painter.paintArea(area, inside(areaRect(area)), image);
    }
    return image;
}

}  // namespace morvane::cli
