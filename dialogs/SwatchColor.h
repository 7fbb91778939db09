// The colour of one cell of a colour's grid: slice s gives the brightness, the row picks
// the first ends of the U and V ranges (0), their midpoints (1) or the second ends (2).
#pragma once

#include <cstddef>

#include "dialogs/ColorTable.h"
#include "ui/Canvas.h"

namespace morvane {

inline constexpr std::size_t kSwatchRows = 3;

RgbColor swatchColor(const ColorTable& table, std::size_t colour, std::size_t slice, std::size_t row);

}  // namespace morvane
