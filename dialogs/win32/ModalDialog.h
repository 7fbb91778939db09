// ModalDialog: the base of the editors' and viewers' dialogs. It runs a dialog resource
// modally over the host's owner and hands the dialog's messages to the derived class.
#pragma once

#include "dialogs/win32/DialogHost.h"

namespace morvane {

class ModalDialog {
public:
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

protected:
    ModalDialog(const DialogHost& host, int resourceId) : host_(host), resourceId_(resourceId) {}
    ~ModalDialog() = default;

    // Shows the dialog until it ends; answers the value given to EndDialog (IDOK, IDCANCEL).
    INT_PTR runDialog();
    // A dialog message; answers what a dialog procedure answers (TRUE when handled).
    virtual INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND window() const { return window_; }
    HWND item(int id) const { return GetDlgItem(window_, id); }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DialogHost host_;
    int resourceId_;
    HWND window_ = nullptr;
};

}  // namespace morvane
