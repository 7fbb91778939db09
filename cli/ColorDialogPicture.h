// A picture of the colour preferences dialog: its eight areas painted where the dialog
// lays them out, as a dialog in 8-point "MS Sans Serif" at 96 dpi shows them.
#pragma once

#include "ui/ColorDialogView.h"
#include "ui/ImageCanvas.h"

namespace morvane::cli {

// The dialog's client area in the dialog's background grey, each area with its sunken
// edge and painted inside by `painter`. Labels and the "Done" button are left out.
ImageCanvas paintColorDialog(const ColorAreaPainter& painter);

}  // namespace morvane::cli
