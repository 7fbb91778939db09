#include "dialogs/ColorDialogModel.h"

#include "dialogs/ColorCells.h"
#include "dialogs/SwatchColor.h"

namespace morvane {

void ColorDialogModel::paintArea(std::size_t area, const PixelRect& client, Canvas& canvas) const
{
    for (std::size_t column = 0; column < kSliceCount; ++column) {
        for (std::size_t row = 0; row < kSwatchRows; ++row)
            canvas.fillRect(colorCell(client, column, row), swatchColor(table_, area, column, row));
    }
}

}  // namespace morvane
