// Dialog: the one dialog procedure and class behind every window of Morvane.exe: the
// main window, the scanning window, the About box, the editors and the viewers. Each is
// a dialog resource, run modally or modeless, whose messages reach the derived class as
// calls of its hooks; a dialog overrides only what it does differently.
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

    // Shows the dialog resource modally over `owner` (none when null) until `end`, and
    // answers the value given to it. While the dialog runs it is itself `owner`, so that a
    // message box or dialog opened from it belongs to it and blocks it; the previous owner
    // comes back when it ends. A dialog with an owner opens centred over it.
    INT_PTR showModal(HINSTANCE instance, int resourceId, HWND& owner);
    // Creates and shows the dialog resource, owned by `owner` (none when null) and then
    // centred over it, and returns at once; false when the dialog cannot be created.
    bool showModeless(HINSTANCE instance, int resourceId, HWND owner = nullptr);
    // Delivers the messages waiting for the thread's windows, without waiting when there
    // are none; a modeless dialog's keys (Tab, Escape) go to the dialog. For work on the
    // program's own thread that lets its windows live between two steps.
    void pumpWaitingMessages();
    // Destroys a modeless dialog if it still exists.
    void destroy();

    // WM_INITDIALOG. The system then gives the focus to the first tab stop.
    virtual void onInit() {}
    // A command: a menu item, a button's click, Enter (IDOK) or Escape (IDCANCEL). By
    // default OK and Cancel end the dialog with their id and other commands do nothing.
    virtual void onCommand(int id);
    // Any other notification of a control, such as a list's selection change.
    virtual void onNotification(int /*id*/, int /*code*/) {}
    // Any other message; answers what a dialog procedure answers (TRUE when handled).
    virtual INT_PTR onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return FALSE; }

    // Ends a modal dialog; showModal answers `result`.
    void end(INT_PTR result) { EndDialog(window_, result); }
    HWND window() const { return window_; }
    HWND item(int id) const { return GetDlgItem(window_, id); }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void attach(HWND window);

    HWND window_ = nullptr;
    HWND* ownerSlot_ = nullptr;  // while a modal dialog runs: the owner it stands in for
};

}  // namespace morvane::win32
