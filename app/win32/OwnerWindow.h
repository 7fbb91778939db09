// The application's main window while it runs: the owner of the file-open dialog, the
// message boxes and the clipboard. None before the main window exists. While an editor's
// or viewer's dialog is open it is that dialog, so that the dialog's messages block it.
#pragma once

#include <windows.h>

namespace morvane::win32 {

struct OwnerWindow {
    HWND window = nullptr;
};

}  // namespace morvane::win32
