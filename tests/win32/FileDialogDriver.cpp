// The file name box is the dialog's first visible edit control (inside the name combo
// box on Windows, on its own in Wine's dialog).
#include "tests/win32/FileDialogDriver.h"

namespace morvane::test {
namespace {

BOOL CALLBACK findNameBox(HWND window, LPARAM lParam)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && std::wstring(className) == L"Edit") {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

HWND nameBox(HWND dialog)
{
    HWND found = nullptr;
    EnumChildWindows(dialog, findNameBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::wstring fileNameText(HWND dialog)
{
    wchar_t text[MAX_PATH]{};
    SendMessageW(nameBox(dialog), WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(text));
    return text;
}

void chooseFile(HWND dialog, const std::filesystem::path& file)
{
    SendMessageW(nameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.wstring().c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

void cancelFileDialog(HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }

}  // namespace morvane::test
