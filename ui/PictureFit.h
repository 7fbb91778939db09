// Where a picture is drawn scaled to a window: as large as the window allows, in its own
// proportions, centred.
#pragma once

#include "ui/Canvas.h"

namespace morvane {

// The largest rectangle of `width` x `height`'s proportions inside `box`, centred in it;
// an empty rectangle at the box's corner for an empty picture or box.
constexpr PixelRect fitPicture(int width, int height, const PixelRect& box)
{
    if (width <= 0 || height <= 0 || box.width() <= 0 || box.height() <= 0)
        return {box.left, box.top, box.left, box.top};
    const long long across = box.width();
    const long long down = box.height();
    const bool fillsHeight = width * down < height * across;  // taller than the box in proportion
    const int fittedWidth =
        fillsHeight ? static_cast<int>((width * down + height / 2) / height) : box.width();
    const int fittedHeight =
        fillsHeight ? box.height() : static_cast<int>((height * across + width / 2) / width);
    const int left = box.left + (box.width() - fittedWidth) / 2;
    const int top = box.top + (box.height() - fittedHeight) / 2;
    return {left, top, left + fittedWidth, top + fittedHeight};
}

}  // namespace morvane
