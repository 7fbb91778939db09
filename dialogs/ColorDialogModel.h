// What the colour preferences dialog shows: each of its eight areas painted as the grid
// of its colour's swatches.
#pragma once

#include "dialogs/ColorTable.h"
#include "ui/ColorDialogView.h"

namespace morvane {

class ColorDialogModel final : public ColorAreaPainter {
public:
    // Refers to `table`, which must outlive the model.
    explicit ColorDialogModel(const ColorTable& table) : table_(table) {}

    // Area k shows colour k: 96 filled cells covering `client`, nothing else.
    void paintArea(std::size_t area, const PixelRect& client, Canvas& canvas) const override;

private:
    const ColorTable& table_;
};

}  // namespace morvane
