// Answering the system's file-open dialog the way a user does: typing a file name and
// pressing Open.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace morvane::test {

inline const std::wstring kStickFileDialogTitle = L"Open MEMSTICK.IND file at root of OpenR directory";

// Types `file` into the dialog's file name box and presses Open.
void chooseFile(HWND dialog, const std::filesystem::path& file);
// The name the dialog's file name box holds.
std::wstring fileNameText(HWND dialog);
// Presses Cancel.
void cancelFileDialog(HWND dialog);

}  // namespace morvane::test
