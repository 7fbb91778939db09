// Where the editors' and viewers' dialogs come from and whom they belong to.
#pragma once

#include <windows.h>

namespace morvane::win32 {

struct DialogHost {
    HINSTANCE instance;
    // The window that owns the next modal window: the main window, or the editor or
    // viewer dialog while one is open. A dialog puts itself here while it runs, so that a
    // message box shown from it is owned by it and blocks it.
    HWND& owner;
};

}  // namespace morvane::win32
