// The application's main window while it runs: the owner of the file-open dialog, the
// message boxes and the clipboard. None before the main window exists.
#pragma once

#include <windows.h>

namespace morvane {

struct OwnerWindow {
    HWND window = nullptr;
};

}  // namespace morvane
