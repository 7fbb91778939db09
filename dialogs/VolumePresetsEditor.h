// The Volume Presets command: VOLUME.CFG's four volume words through the slider dialog,
// written back on "Save".
#pragma once

#include "dialogs/EditOutcome.h"
#include "stick/FileOperations.h"
#include "ui/SliderDialog.h"
#include "ui/UserMessages.h"

namespace morvane {

// Reads VOLUME.CFG (the Default words, after a notice, when its pairs cannot be used),
// runs `view` over a VolumeDialogModel, and after "Save" replaces the file through
// `files`, keeping every line but the four pairs and the file's compressed or plain
// form. Failures are shown through `messages`.
EditOutcome editVolumePresets(UserMessages& messages, SliderDialogView& view,
                              FileOperations& files = systemFileOperations());

}  // namespace morvane
