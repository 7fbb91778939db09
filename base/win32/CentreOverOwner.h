// Placing a modal dialog over the window that owns it.
#pragma once

#include <windows.h>

namespace morvane::win32 {

// Moves `dialog` so that its centre is its owner's centre, kept inside the work area of
// the owner's monitor. A dialog without an owner stays where it is.
void centreOverOwner(HWND dialog);

}  // namespace morvane::win32
