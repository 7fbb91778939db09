// AboutDialog: the modal About box of the main window's About command.
#pragma once

#include "dialogs/win32/DialogHost.h"

namespace morvane {

// Shows the About box over the host's owner until OK, Escape or its close box ends it.
void runAboutDialog(const DialogHost& host);

}  // namespace morvane
