// What a viewer could not read, one line each, in a read-only edit box that scrolls, so
// that any number of problems can be read in the room the window gives them. The box is
// hidden when there are none.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace morvane::win32 {

void showProblems(HWND box, const std::vector<std::string>& problems);

}  // namespace morvane::win32
