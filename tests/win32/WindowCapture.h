// Pictures of the program's own windows, taken in-process.
#pragma once

#include <windows.h>

#include <filesystem>

namespace morvane::test {

// Repaints `window` with all its children, copies it (frame included) from its window
// DC and writes it as an RGB PNG. Answers whether the file was written.
bool captureWindow(HWND window, const std::filesystem::path& png);

}  // namespace morvane::test
