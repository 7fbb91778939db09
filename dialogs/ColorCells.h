// The grid a colour area is painted as: 32 columns (one per slice) by 3 rows, tiling the
// area's client rectangle whatever its size.
#pragma once

#include <cstddef>

#include "ui/Canvas.h"

namespace morvane {

// The cell of slice `column` and row `row`: x from left + w x column / 32 to
// left + w x (column + 1) / 32, y likewise with h x row / 3, with truncating divisions,
// so columns differ in width by a pixel when w is not a multiple of 32.
PixelRect colorCell(const PixelRect& client, std::size_t column, std::size_t row);

}  // namespace morvane
