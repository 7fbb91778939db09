#include "dialogs/ColorCells.h"

#include <cstdint>

#include "dialogs/ColorTable.h"
#include "dialogs/SwatchColor.h"

namespace morvane {
namespace {

// left + extent x index / parts, computed wide so that no size overflows it.
int gridLine(int left, int extent, std::size_t index, std::size_t parts)
{
    const std::int64_t offset = static_cast<std::int64_t>(extent) * static_cast<std::int64_t>(index) /
                                static_cast<std::int64_t>(parts);
    return static_cast<int>(left + offset);
}

}  // namespace

PixelRect colorCell(const PixelRect& client, std::size_t column, std::size_t row)
{
    const int w = client.width();
    const int h = client.height();
    return PixelRect{gridLine(client.left, w, column, kSliceCount), gridLine(client.top, h, row, kSwatchRows),
                     gridLine(client.left, w, column + 1, kSliceCount),
                     gridLine(client.top, h, row + 1, kSwatchRows)};
}

}  // namespace morvane
