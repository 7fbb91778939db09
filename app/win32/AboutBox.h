// AboutBox: the modal About box of the main window's About command.
#pragma once

#include "dialogs/win32/DialogHost.h"

namespace morvane::win32 {

// Shows the About box over the host's owner until OK, Escape or its close box ends it.
void runAboutBox(const DialogHost& host);

}  // namespace morvane::win32
