// The Human Faces command: the names and pictures of FIFDATA.BIN.
#pragma once

#include "ui/FaceDialogView.h"
#include "ui/UserMessages.h"

namespace morvane {

// Loads and checks FIFDATA.BIN and shows `view` over it; false, after its message, when
// the file is missing or not a database this viewer knows.
bool viewHumanFaces(UserMessages& messages, FaceDialogView& view);

}  // namespace morvane
