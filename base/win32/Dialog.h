// Dialog: the one dialog procedure and class behind every window of Morvane.exe: the
// main window, the scanning window, the About box, the editors and the viewers. Each is
// a dialog resource, run modally or modeless, whose messages go to the derived class.
#pragma once

#include <windows.h>

namespace morvane::win32 {

class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

protected:
    Dialog() = default;
    ~Dialog() = default;

    // Shows the dialog resource modally over `owner` (none when null) until EndDialog, and
    // answers the value given to it. While the dialog runs it is itself `owner`, so that a
    // message box or dialog opened from it belongs to it and blocks it; the previous owner
    // comes back when it ends. A dialog with an owner opens centred over it.
    INT_PTR showModal(HINSTANCE instance, int resourceId, HWND& owner);
    // Creates and shows the dialog resource without an owner, and returns at once; false
    // when the dialog cannot be created.
    bool showModeless(HINSTANCE instance, int resourceId);
    // Destroys a modeless dialog if it still exists.
    void destroy();

    // A dialog message; answers what a dialog procedure answers (TRUE when handled).
    virtual INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND window() const { return window_; }
    HWND item(int id) const { return GetDlgItem(window_, id); }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void attach(HWND window);

    HWND window_ = nullptr;
    HWND* ownerSlot_ = nullptr;  // while a modal dialog runs: the owner it stands in for
};

}  // namespace morvane::win32
