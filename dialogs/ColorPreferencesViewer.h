// The Color Preferences command: tr.ct painted as eight areas of swatches.
#pragma once

#include "ui/ColorDialogView.h"
#include "ui/UserMessages.h"

namespace morvane {

// Reads tr.ct and shows `view` over it; false, after its message, when the table cannot
// be opened or read.
bool viewColorPreferences(UserMessages& messages, ColorDialogView& view);

}  // namespace morvane
