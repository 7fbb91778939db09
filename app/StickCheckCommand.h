// Check Stick... of the main window.
#pragma once

#include "app/MainWindowContext.h"

namespace morvane {

// Checks the open stick (against its own manifest when it is a backup) while the progress
// window shows each file, and puts the result in the information list, line for line what
// morvane-cli check prints. A manifest that cannot be used, a cancelled check or a folder
// that cannot be read is a message, and the list stays as it was.
void checkOpenStick(MainWindowContext& window);

}  // namespace morvane
