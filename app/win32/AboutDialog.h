// AboutDialog: the modal About box of the main window's About command.
#pragma once

#include <windows.h>

namespace morvane {

// Shows the About box owned by `owner` until OK, Escape or its close box ends it.
void runAboutDialog(HINSTANCE instance, HWND owner);

}  // namespace morvane
