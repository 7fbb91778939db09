// What the system's file-open and file-save dialogs share: one dialog structure filled
// with the owner, the title, the proposed name and the folder it opens in, and one run
// that leaves the current directory as it was.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>
#include <string_view>

namespace morvane::win32 {

class CommonFileDialog {
public:
    // `initialFolder` empty: the dialog opens in the current directory.
    CommonFileDialog(HWND owner, std::string_view title, std::string_view proposedName,
                     std::wstring initialFolder);
    CommonFileDialog(const CommonFileDialog&) = delete;
    CommonFileDialog& operator=(const CommonFileDialog&) = delete;

    // The structure to fill further (flags, filter, extension) before `run`.
    OPENFILENAMEW& fields() { return dialog_; }
    // Runs GetOpenFileNameW or GetSaveFileNameW; the full path (UTF-8) the user chose, or
    // none when they cancelled. The current directory is that of before: it is the open
    // stick's root, and only the caller changes it, while the dialog may move it as the user
    // browses (OFN_NOCHANGEDIR is not honoured by every system).
    std::optional<std::string> run(BOOL(WINAPI* dialogFunction)(OPENFILENAMEW*));

private:
    std::wstring title_;
    std::wstring file_;
    std::wstring initialFolder_;
    OPENFILENAMEW dialog_{};
};

// The user's Documents folder, or empty when the system names none.
std::wstring documentsFolder();

}  // namespace morvane::win32
