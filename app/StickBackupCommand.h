// Back Up Stick... of the main window.
#pragma once

#include "app/MainWindowContext.h"

namespace morvane {

// Asks for a new folder (proposed: the user's Documents, named after the stick and the
// time) and backs the open stick up into it while the progress window shows each file.
// The list then holds what morvane-cli backup prints: the unreadable files, then the
// summary line. A folder that cannot take the backup, a cancelled or failed backup is a
// message, and the list stays as it was.
void backUpOpenStick(MainWindowContext& window);

}  // namespace morvane
