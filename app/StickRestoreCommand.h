// Restore from Backup... of the main window.
#pragma once

#include "app/MainWindowContext.h"

namespace morvane {

// Asks for a backup's manifest, checks that backup whole and compares it with the open
// stick while the progress window shows each file, puts the dry run's lines in the list and
// asks once; a backup of another robot or other software is asked about a second time,
// naming both. Then writes the files while the progress window shows each, and the list
// holds what morvane-cli restore prints. A damaged backup, a No or a Cancel writes nothing;
// a file that cannot be written is a message, and the stick keeps that file as it was.
void restoreOpenStick(MainWindowContext& window);

}  // namespace morvane
