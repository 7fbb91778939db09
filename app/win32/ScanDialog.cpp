// The scanning window. It has no message loop of its own: the scan delivers waiting
// messages between two probes, and "Manual Open" only raises a flag that the scan reads.
#include "app/win32/ScanDialog.h"

#include "app/win32/ScanDialogRes.h"
#include "base/win32/WideText.h"

namespace morvane {

INT_PTR CALLBACK ScanDialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return TRUE;
    }
    // The window exists only while the drives are probed: over it the hourglass stays.
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        reinterpret_cast<ScanDialog*>(GetWindowLongPtrW(window, DWLP_USER))->manualOpenRequested_ = true;
        return TRUE;
    }
    return FALSE;
}

void ScanDialog::open()
{
    window_ = CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_SCAN), nullptr, dialogProc,
                                 reinterpret_cast<LPARAM>(this));
    if (window_ != nullptr)
        ShowWindow(window_, SW_SHOW);
}

void ScanDialog::showProbePath(std::string_view path)
{
    if (window_ == nullptr)
        return;
    SetDlgItemTextW(window_, IDC_PROBE_PATH, widenUtf8(path).c_str());
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ScanDialog::deliverWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window_ != nullptr && IsDialogMessageW(window_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ScanDialog::close()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
    window_ = nullptr;
}

}  // namespace morvane
