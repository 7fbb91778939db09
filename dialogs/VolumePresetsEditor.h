// The Volume Presets command: VOLUME.CFG's four volume words through the slider dialog,
// written back on "Save".
#pragma once

#include "dialogs/EditOutcome.h"
#include "dialogs/EditorServices.h"

namespace morvane {

// Reads VOLUME.CFG (the Default words, after a notice, when its pairs cannot be used),
// runs the view over a VolumeDialogModel, and after "Save" replaces the file through the
// file operations, keeping every line but the four pairs and the file's compressed or
// plain form. Failures are shown through the messages; the list and the stick are not
// touched.
EditOutcome editVolumePresets(const EditorServices& editor);

}  // namespace morvane
