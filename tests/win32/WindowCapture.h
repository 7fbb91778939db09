// Pictures of the program's own windows, taken in-process.
#pragma once

#include <windows.h>

#include <filesystem>

#include "ui/ImageCanvas.h"

namespace morvane::test {

// Copies `window` (frame included) from its window DC as its own thread painted it, once
// it looks the same in two copies 100 ms apart, and writes it as an RGB PNG.
// Answers whether the file was written (not when it never settled within 10 s).
bool captureWindow(HWND window, const std::filesystem::path& png);

// The client area of `control` as it paints itself into a memory device context
// (WM_PRINTCLIENT): what it shows, whatever other windows on the desktop cover it.
ImageCanvas printClient(HWND control);

}  // namespace morvane::test
