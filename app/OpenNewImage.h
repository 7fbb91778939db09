// The main window's Open command: move to another stick and show its Summary.
#pragma once

#include "app/MainWindowContext.h"

namespace morvane {

// Asks for the new stick's MEMSTICK.IND, enters its directory and checks it. On success
// "Summary" is selected and shown; when the user cancels nothing changes; on a failure
// "Failed to open new image" is shown and the window stays on the stick it showed: the
// current directory and `window.stick` are that stick's again.
void openNewImage(MainWindowContext& window);

}  // namespace morvane
